// Where the square lands in the window: read back from the framebuffer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "common/gl_api.h"
#include "common/random_source.h"
#include "gl_context.h"
#include "saver/render_frame.h"
#include "saver/saver_scene.h"
#include "saver/setup_view.h"

namespace {

struct box {
    int left = 1 << 30, right = -1, bottom = 1 << 30, top = -1;
};

box lit_box(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgb.data());
    box b;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 4];
            if (p[0] + p[1] + p[2] == 0) continue;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.bottom = std::min(b.bottom, y);
            b.top = std::max(b.top, y);
        }
    }
    return b;
}

}  // namespace

// The figure reaches 0.44 of the square's side from its middle, and the
// square (side = the shorter side) is centred along the longer side. Seen
// from the camera, its image is centred in the window and sized in
// proportion to the height, whatever the width; the extreme 8.9:1 span gets
// a finite view that still shows the whole figure.
TEST(frame_placement, square_centred_on_wide_drawables) {
    struct row {
        int width, height;
        double min_extent, max_extent;  // the figure's image, in heights
    };
    const row rows[] = {{683, 384, 0.80, 0.90}, {1366, 256, 0.2, 0.9}, {2400, 270, 0.2, 0.9}};
    for (const row& r : rows) {
        SCOPED_TRACE(std::to_string(r.width) + "x" + std::to_string(r.height));
        gl_context(r.width, r.height);
        seed_random_source(8u);
        saver_scene scene;
        setup_view(scene, r.width, r.height);
        for (int i = 0; i < 3; ++i) render_frame(scene);
        ASSERT_LT(std::fabs(scene.camera.yaw), 1.0f) << "the test wants the square barely turned";

        const box b = lit_box(r.width, r.height);
        ASSERT_GE(b.right, 0) << "nothing is lit";
        EXPECT_NEAR((b.left + b.right + 1) / 2.0, r.width / 2.0, 3.0);
        EXPECT_NEAR((b.bottom + b.top + 1) / 2.0, r.height / 2.0, 3.0);
        const double extent = (b.right - b.left + 1) / static_cast<double>(r.height);
        EXPECT_GE(extent, r.min_extent);
        EXPECT_LE(extent, r.max_extent);
        EXPECT_GT(b.bottom, 0);
        EXPECT_LT(b.top, r.height - 1);
    }
}

// The frame blends its square without reading the cleared destination; the
// pixels must be those of the classic over-blend of the square on black.
TEST(frame_placement, frame_pixels_equal_the_over_blend_on_black) {
    const int w = 400, h = 300;
    gl_context(w, h);
    seed_random_source(12u);
    saver_scene scene;
    setup_view(scene, w, h);
    for (int i = 0; i < 6; ++i) render_frame(scene);
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(w) * h * 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());

    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    scene.camera.apply();
    scene.field.draw();
    glPopMatrix();
    std::vector<std::uint8_t> classic(frame.size());
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, classic.data());

    EXPECT_EQ(frame, classic);
    EXPECT_NE(frame, std::vector<std::uint8_t>(frame.size(), 0)) << "the pattern shows";
}
