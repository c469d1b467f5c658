#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "camera/ball_camera.h"
#include "common/random_source.h"

namespace {

struct plain_camera final : inertial_camera_gl {
    void step(int, int) override {}
};

// How many engine words have been drawn since seed_random_source(seed).
int words_drawn_since(std::uint32_t seed) {
    const std::uint32_t next = random_engine();
    std::mt19937 reference(seed);
    for (int n = 0; n < 1000; ++n) {
        if (reference() == next) return n;
    }
    return -1;
}

}  // namespace

TEST(camera_gl, look_at_along_heading_with_up_toward_plus_z) {
    camera_gl c;
    look_at v = c.view();
    EXPECT_EQ(v.centre_x, 1.0);
    EXPECT_EQ(v.centre_y, 0.0);
    EXPECT_EQ(v.centre_z, 0.0);
    EXPECT_EQ(v.up_z, 1.0);
    EXPECT_EQ(v.up_x, 0.0);

    c.yaw = 90.0f;
    v = c.view();
    EXPECT_NEAR(v.centre_x, 0.0, 1e-15);
    EXPECT_EQ(v.centre_y, 1.0);
    EXPECT_NEAR(v.up_x, 0.0, 1e-15);
    EXPECT_NEAR(v.up_z, 1.0, 1e-15);
}

// Straight down or up the up vector is tiny but not zero, and points along
// the heading at -90 and against it at +90, so the look-at stays defined.
TEST(camera_gl, look_at_at_the_poles_stays_defined) {
    camera_gl c;
    c.x = 10.0f;
    c.pitch = -90.0f;
    look_at v = c.view();
    EXPECT_EQ(v.centre_z, -1.0);
    EXPECT_GT(v.up_x, 0.0);
    EXPECT_LT(v.up_x, 1e-15);
    c.pitch = 90.0f;
    v = c.view();
    EXPECT_LT(v.up_x, 0.0);
    EXPECT_EQ(v.eye_x, 10.0);
}

TEST(inertial_camera_gl, integrate_clamps_wraps_and_respects_locks) {
    const double inf = std::numeric_limits<double>::infinity();
    struct row {
        const char* what;
        plain_camera before;
        float pitch, yaw;
        double pitch_accel, pitch_velocity, yaw_accel, yaw_velocity;
    };
    auto make = [](float pitch, float yaw, double pa, double pv, double ya, double yv, bool pl,
                   bool yl) {
        plain_camera c;
        c.pitch = pitch;
        c.yaw = yaw;
        c.pitch_accel = pa;
        c.pitch_velocity = pv;
        c.yaw_accel = ya;
        c.yaw_velocity = yv;
        c.pitch_locked = pl;
        c.yaw_locked = yl;
        return c;
    };
    const row rows[] = {
        {"yaw wraps past +180", make(0, 179.5f, 0, 0, 0, 0.8, false, false), 0,
         static_cast<float>(static_cast<float>(179.5 + 0.8) - 360.0), 0, 0, 0, 0.8},
        {"yaw of exactly 180 is not wrapped", make(0, 179.5f, 0, 0, 0, 0.5, false, false), 0,
         180.0f, 0, 0, 0, 0.5},
        {"locked yaw wraps but keeps its motion", make(0, 200.0f, 0, 0, 5.0, 7.0, false, true), 0,
         -160.0f, 0, 0, 5.0, 7.0},
        {"locked pitch is left alone", make(12.0f, 0, 3.0, 2.0, 0, 0, true, false), 12.0f, 0, 3.0,
         2.0, 0, 0},
        {"pitch accel clamped before use", make(0, 0, 0.2, 0, 0, 0, false, false), 0.05f, 0, 0.05,
         0.05, 0, 0},
        {"pitch velocity held to 0.3", make(0, 0, 0.05, 0.28, 0, 0, false, false), 0.3f, 0, 0.05,
         0.3, 0, 0},
        {"infinite yaw accel clamps", make(0, 0, 0, 0, -inf, 0, false, false), 0, -0.05f, 0, 0,
         -0.05, -0.05},
        {"yaw velocity held to 1", make(0, 0, 0, 0, 0.05, 0.99, false, false), 0, 1.0f, 0, 0, 0.05,
         1.0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        plain_camera c = r.before;
        c.integrate();
        EXPECT_EQ(c.pitch, r.pitch);
        EXPECT_EQ(c.yaw, r.yaw);
        EXPECT_DOUBLE_EQ(c.pitch_accel, r.pitch_accel);
        EXPECT_DOUBLE_EQ(c.pitch_velocity, r.pitch_velocity);
        EXPECT_DOUBLE_EQ(c.yaw_accel, r.yaw_accel);
        EXPECT_DOUBLE_EQ(c.yaw_velocity, r.yaw_velocity);
    }
}

TEST(inertial_camera_gl, position_integrates_without_clamps) {
    plain_camera c;
    c.x_accel = 1.0;
    c.pitch_locked = c.yaw_locked = true;
    c.integrate();
    EXPECT_EQ(c.x_velocity, 1.0);
    EXPECT_EQ(c.x, 1.0f);
    c.integrate();
    EXPECT_EQ(c.x, 3.0f);
}

TEST(ball_camera, saver_setting_turns_only_the_yaw_with_one_draw_per_step) {
    seed_random_source(99u);
    ball_camera c;
    c.pitch = -89.99f;
    c.pitch_locked = true;
    c.zoom = static_cast<double>(0.1f);
    for (int i = 0; i < 10; ++i) {
        c.step(800, 600);
        ASSERT_EQ(c.pitch, -89.99f);
        ASSERT_EQ(c.zoom, static_cast<double>(0.1f));
        ASSERT_EQ(c.pitch_accel, 0.0);
        ASSERT_EQ(c.zoom_velocity, 0.0);
        ASSERT_GE(c.yaw, -180.0f);
        ASSERT_LE(c.yaw, 180.0f);
    }
    EXPECT_NE(c.yaw, 0.0f);
    EXPECT_EQ(words_drawn_since(99u), 10);  // ten deviates: five Box-Muller pairs
}

TEST(ball_camera, places_the_eye_on_its_orbit) {
    struct row {
        const char* what;
        float pitch;
        double zoom;
        int width, height;
        float x, y, z;
    };
    const row rows[] = {
        {"straight down, full radius", -90.0f, 0.0, 800, 600, 400.0f, 300.0f, 1800.0f},
        {"the saver's tilt and zoom", -89.99f, static_cast<double>(0.1f), 800, 600, 399.67007f,
         300.0f, 1590.0f},
        {"zoom 1 sits on the orbit centre", -30.0f, 1.0, 800, 600, 400.0f, 300.0f, -300.0f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        seed_random_source(1u);
        ball_camera c;
        c.pitch = r.pitch;
        c.zoom = r.zoom;
        c.pitch_locked = c.yaw_locked = true;
        c.step(r.width, r.height);
        EXPECT_FLOAT_EQ(c.x, r.x);
        EXPECT_FLOAT_EQ(c.y, r.y);
        EXPECT_FLOAT_EQ(c.z, r.z);
        EXPECT_EQ(words_drawn_since(1u), 0);
    }
}

TEST(ball_camera, unlocked_pitch_starts_from_a_random_tilt) {
    seed_random_source(5u);
    std::mt19937 reference(5u);
    const double u = static_cast<double>(reference()) / 4294967296.0;
    ball_camera c;
    c.yaw_locked = true;
    c.step(640, 480);
    const float start = static_cast<float>(-50.0 - 40.0 * u);
    EXPECT_GT(c.pitch, -90.0f);
    EXPECT_LE(c.pitch, -50.0f);
    EXPECT_NEAR(c.pitch, start, 0.06f);  // one clamped step of pitch accel at most
    EXPECT_EQ(words_drawn_since(5u), 3);  // the uniform, then one pair for the pitch noise
}

TEST(ball_camera, pitch_at_a_pole_halves_an_outward_push) {
    ball_camera c;
    c.tilt_mode = false;
    c.yaw_locked = true;
    c.pitch = 89.9f;
    c.pitch_velocity = 0.3;
    c.pitch_accel = 0.04;
    c.step(800, 600);
    EXPECT_EQ(c.pitch, 90.0f);
    EXPECT_EQ(c.pitch_accel, 0.02);
    EXPECT_EQ(c.pitch_velocity, 0.3);

    ball_camera down;
    down.tilt_mode = false;
    down.yaw_locked = true;
    down.pitch = -89.95f;
    down.pitch_velocity = -0.3;
    down.pitch_accel = -0.04;
    down.step(800, 600);
    EXPECT_EQ(down.pitch, -90.0f);
    EXPECT_EQ(down.pitch_accel, -0.02);

    down.pitch_accel = 0.01;
    down.pitch_velocity = -0.3;
    down.step(800, 600);
    EXPECT_EQ(down.pitch, -90.0f);
    EXPECT_EQ(down.pitch_accel, 0.01);  // pushing back in: left alone
}

TEST(ball_camera, zoom_spring_acceleration) {
    struct row {
        double zoom, accel;
    };
    const row rows[] = {{0.2, 0.00007}, {0.3, 0.00007}, {0.8, 0.00007 - 0.5 * 0.00028}};
    for (const row& r : rows) {
        ball_camera c;
        c.tilt_mode = false;
        c.pitch_locked = c.yaw_locked = true;
        c.pitch = -90.0f;
        c.zoom = r.zoom;
        c.step(800, 600);
        EXPECT_DOUBLE_EQ(c.zoom_accel, r.accel) << "zoom " << r.zoom;
        EXPECT_DOUBLE_EQ(c.zoom, r.zoom + r.accel);
    }
}
