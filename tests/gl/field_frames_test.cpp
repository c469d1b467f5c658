// The saver's frame routine on a real GL: the order of a field's first
// frames, the GL state the counting pass hands back, and empty drawables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "camera/ball_camera.h"
#include "common/gl_api.h"
#include "common/random_source.h"
#include "field/color_drift.h"
#include "gl_context.h"
#include "saver/render_frame.h"
#include "saver/saver_scene.h"
#include "saver/setup_view.h"
#include "saver/yaw_feed.h"

namespace {

std::vector<std::uint32_t> texture_contents(const circles& field) {
    std::vector<std::uint32_t> data(field.texels.size());
    glBindTexture(GL_TEXTURE_2D, field.texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, data.data());
    return data;
}

bool any_lit(int width, int height) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        if (rgba[i] != 0 || rgba[i + 1] != 0 || rgba[i + 2] != 0) return true;
    }
    return false;
}

}  // namespace

TEST(field_frames, first_frame_counts_second_shades_and_uploads_third_shows) {
    gl_context(320, 240);
    seed_random_source(3u);
    saver_scene scene;
    setup_view(scene, 320, 240);
    circles& field = scene.field;
    ASSERT_EQ(field.tex_width, 128);
    ASSERT_TRUE(field.needs_count);
    ASSERT_TRUE(field.needs_shade);

    render_frame(scene);
    EXPECT_FALSE(field.needs_count);
    EXPECT_TRUE(field.needs_shade);
    EXPECT_FALSE(field.texture_dirty);
    EXPECT_FALSE(any_lit(320, 240)) << "nothing is shaded before the second frame";

    render_frame(scene);
    EXPECT_FALSE(field.needs_shade);
    EXPECT_FALSE(field.texture_dirty) << "the second frame's draw uploads";
    EXPECT_EQ(texture_contents(field), field.texels);

    render_frame(scene);
    EXPECT_TRUE(any_lit(320, 240)) << "the pattern shows from the third frame";

    // Steady frames count, shade and upload nothing more.
    const std::vector<std::uint32_t> texels = field.texels;
    render_frame(scene);
    EXPECT_EQ(field.texels, texels);
    EXPECT_FALSE(field.needs_count || field.needs_shade || field.texture_dirty);
}

// Within a frame the tint drifts first (red, green, blue), then the tint's
// balance and the camera's own noise push the yaw.
TEST(field_frames, frame_draws_tint_then_camera_noise) {
    gl_context(64, 48);
    seed_random_source(11u);
    saver_scene scene;
    setup_view(scene, 64, 48);
    render_frame(scene);

    seed_random_source(11u);
    float c[3][3] = {{0.7f, 0, 0}, {0.7f, 0, 0}, {0.7f, 0, 0}};
    for (auto& ch : c) drift_channel(ch[0], ch[1], ch[2], normal01());
    const double yaw_accel = yaw_push(c[0][0], c[1][0], c[2][0]) + normal01() * static_cast<double>(0.005f);

    EXPECT_EQ(scene.field.red, c[0][0]);
    EXPECT_EQ(scene.field.green, c[1][0]);
    EXPECT_EQ(scene.field.blue, c[2][0]);
    EXPECT_EQ(scene.camera.yaw_accel, yaw_accel);
    EXPECT_EQ(scene.camera.pitch, -89.99f);
}

TEST(field_frames, counting_pass_restores_the_state_it_changes) {
    gl_context(200, 150);
    saver_scene scene;
    setup_view(scene, 200, 150);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_POLYGON_SMOOTH);

    std::array<GLdouble, 16> projection{}, modelview{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    GLint projection_depth = 0, modelview_depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projection_depth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelview_depth);

    scene.field.update();
    ASSERT_FALSE(scene.field.needs_count);

    std::array<GLdouble, 16> projection_after{}, modelview_after{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection_after.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview_after.data());
    EXPECT_EQ(projection_after, projection);
    EXPECT_EQ(modelview_after, modelview);
    GLint value = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &value);
    EXPECT_EQ(value, projection_depth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &value);
    EXPECT_EQ(value, modelview_depth);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_TRUE(glIsEnabled(GL_POLYGON_SMOOTH));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// An empty drawable: frames still clear and draw, but the field and the
// camera do not move, and nothing draws from the random source.
TEST(field_frames, empty_drawable_renders_without_updating) {
    for (const auto& size : {std::array<int, 2>{0, 100}, std::array<int, 2>{100, 0},
                             std::array<int, 2>{0, 0}}) {
        gl_context(std::max(size[0], 1), std::max(size[1], 1));
        seed_random_source(21u);
        saver_scene scene;
        setup_view(scene, size[0], size[1]);
        EXPECT_EQ(scene.field.tex_width, 1);
        for (int i = 0; i < 3; ++i) render_frame(scene);
        EXPECT_TRUE(scene.field.needs_count);
        EXPECT_EQ(scene.field.red, 0.7f);
        EXPECT_EQ(scene.camera.yaw, 0.0f);
        EXPECT_EQ(random_engine(), std::mt19937(21u)());
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}
