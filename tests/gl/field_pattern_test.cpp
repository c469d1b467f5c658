// The parity pattern the counting pass and the shading produce, checked
// against an independent count of the disc polygons at each pixel centre.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "common/gl_api.h"
#include "field/parity_shading.h"
#include "gl_context.h"
#include "saver/render_frame.h"
#include "saver/saver_scene.h"
#include "saver/setup_view.h"

namespace {

constexpr double pi = 3.141592653589793;

struct disc {
    float x, y, r;
};

// The discs of a 32-disc figure on a texture of side t, as the GL receives
// them (single-precision translation and scale); the last is the blanking disc.
std::vector<disc> figure(int t) {
    std::vector<disc> discs;
    const double c = t / 2;
    const double ring = 0.22 * t;
    for (int i = 0; i < 32; ++i) {
        const double theta = (2.0 * i) * pi / 32;
        discs.push_back({static_cast<float>(c + ring * std::cos(theta)),
                         static_cast<float>(c + ring * std::sin(theta)), static_cast<float>(ring)});
    }
    for (int n = 14; n >= 1; --n) {
        const double r = 2.0 * ring * std::cos(pi * n / 32);
        discs.push_back({static_cast<float>(c), static_cast<float>(c), static_cast<float>(r)});
    }
    discs.push_back(discs[32]);
    return discs;
}

// Signed distance in pixels from (px, py) to the edge of the disc's
// 24-sided polygon: positive inside.
double inside_distance(const disc& d, double px, double py) {
    double nearest = 1e30;
    for (int k = 0; k < 24; ++k) {
        const double a0 = 2.0 * k * pi / 24, a1 = 2.0 * (k + 1) * pi / 24;
        const double x0 = d.x + d.r * static_cast<float>(std::cos(a0));
        const double y0 = d.y + d.r * static_cast<float>(std::sin(a0));
        const double x1 = d.x + d.r * static_cast<float>(std::cos(a1));
        const double y1 = d.y + d.r * static_cast<float>(std::sin(a1));
        const double ex = x1 - x0, ey = y1 - y0;
        const double cross = (ex * (py - y0) - ey * (px - x0)) / std::hypot(ex, ey);
        nearest = std::min(nearest, cross);
    }
    return nearest;
}

struct counted_field {
    std::vector<std::uint32_t> counts;
    std::vector<std::uint32_t> texels;
};

counted_field count_and_shade(int side, int alpha_bits) {
    gl_context(side, side, alpha_bits);
    saver_scene scene;
    setup_view(scene, side, side);
    render_frame(scene);  // counts: the read-back sums wait in the texels
    counted_field result{scene.field.texels, {}};
    render_frame(scene);  // shades them in place
    result.texels = scene.field.texels;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    return result;
}

constexpr int side = 256;

}  // namespace

TEST(field_pattern, counts_match_the_disc_polygons_at_every_clear_pixel) {
    const counted_field f = count_and_shade(side, 8);
    const std::vector<disc> discs = figure(side);
    int checked = 0, wrong = 0, max_k = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            int k = 0;
            bool clear = true;
            for (std::size_t i = 0; i + 1 < discs.size(); ++i) {
                const double dist = inside_distance(discs[i], x + 0.5, y + 0.5);
                if (std::fabs(dist) < 0.05) clear = false;
                if (dist > 0) ++k;
            }
            const double blank = inside_distance(discs.back(), x + 0.5, y + 0.5);
            if (std::fabs(blank) < 0.05) clear = false;
            if (blank > 0) k = 0;
            if (!clear) continue;
            ++checked;
            max_k = std::max(max_k, k);
            const std::uint32_t word = f.counts[static_cast<std::size_t>(y) * side + x];
            // Each disc adds (3, 1, 1, 3): red 3k, green k, blue k, alpha 3k.
            const std::uint32_t expected = (3u * k) | (k << 8) | (k << 16) | ((3u * k) << 24);
            if (word != expected && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") covered " << k
                              << " times reads 0x" << std::hex << word;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(checked, side * side * 9 / 10);
    EXPECT_LE(max_k, 28);
}

TEST(field_pattern, blanked_centre_black_evens_brightest_odd_and_nothing_outside) {
    const counted_field f = count_and_shade(side, 8);
    const double c = side / 2;
    int brightest = 0, lit = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * side + x;
            const int shade = static_cast<int>(f.texels[i] & 0xffu);
            const std::int32_t w = count_word(f.counts[i]);
            if (w % 2 == 0) {
                ASSERT_EQ(shade, 0) << "even cover at " << x << "," << y;
            }
            const double r = std::hypot(x + 0.5 - c, y + 0.5 - c);
            if (r < 0.085 * side || r > 0.44 * side + 1.0) {
                ASSERT_EQ(shade, 0) << "lit outside the figure at " << x << "," << y;
            }
            brightest = std::max(brightest, shade);
            if (shade > 0) ++lit;
        }
    }
    EXPECT_EQ(brightest, 255);
    EXPECT_GT(lit, side * side / 10);
}

// With no alpha bits the alpha byte reads 255; the pattern must not change.
TEST(field_pattern, drawable_without_alpha_shows_the_same_pattern) {
    const counted_field with_alpha = count_and_shade(side, 8);
    const counted_field without_alpha = count_and_shade(side, 0);
    for (std::size_t i = 0; i < with_alpha.counts.size(); ++i) {
        ASSERT_EQ(with_alpha.counts[i] & 0xffffffu, without_alpha.counts[i] & 0xffffffu) << i;
    }
    EXPECT_EQ(without_alpha.texels, with_alpha.texels);
}
