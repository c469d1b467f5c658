// The saver's moving parts without GL, over many frames and several seeds:
// the tint drift, the yaw feed and the ball camera, in the frame's order.
// QUILLMERE_SOAK_FRAMES sets the frames per seed (the long soak runs 1000000).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "camera/ball_camera.h"
#include "common/random_source.h"
#include "field/color_drift.h"
#include "saver/yaw_feed.h"

namespace {

long soak_frames() {
    const char* text = std::getenv("QUILLMERE_SOAK_FRAMES");
    return text != nullptr ? std::atol(text) : 100000;
}

struct channel {
    float value = 0.7f, velocity = 0.0f, accel = 0.0f;
};

}  // namespace

TEST(soak, tint_and_camera_stay_within_their_bounds) {
    const long frames = soak_frames();
    for (std::uint32_t seed : {1u, 20261211u, 4294967295u}) {
        SCOPED_TRACE(seed);
        seed_random_source(seed);
        channel red, green, blue;
        ball_camera camera;
        camera.pitch = -89.99f;
        camera.pitch_locked = true;
        camera.zoom = static_cast<double>(0.1f);
        float lowest = 1.0f, highest = 0.0f;
        for (long frame = 0; frame < frames; ++frame) {
            for (channel* c : {&red, &green, &blue}) {
                drift_channel(c->value, c->velocity, c->accel, normal01());
                ASSERT_TRUE(c->value >= 0.0f && c->value <= 1.0f) << "frame " << frame;
                ASSERT_LE(std::fabs(c->accel), 0.01f) << "frame " << frame;
                ASSERT_LE(std::fabs(c->velocity), 0.1f) << "frame " << frame;
                lowest = std::min(lowest, c->value);
                highest = std::max(highest, c->value);
            }
            camera.yaw_accel += yaw_push(red.value, green.value, blue.value);
            camera.step(1920, 1080);
            ASSERT_TRUE(camera.yaw >= -180.0f && camera.yaw <= 180.0f) << "frame " << frame;
            ASSERT_LE(std::fabs(camera.yaw_accel), 0.05) << "frame " << frame;
            ASSERT_LE(std::fabs(camera.yaw_velocity), 1.0) << "frame " << frame;
            ASSERT_TRUE(std::isfinite(camera.x) && std::isfinite(camera.y) &&
                        std::isfinite(camera.z))
                << "frame " << frame;
            ASSERT_EQ(camera.pitch, -89.99f);
        }
        // Over a long run the tint really wanders across its range.
        if (frames >= 100000) {
            EXPECT_LT(lowest, 0.2f);
            EXPECT_GT(highest, 0.8f);
        }
    }
}
