#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "field/parity_shading.h"
#include "field/texture_side.h"

namespace {

// The word an RGBA8 drawable reads back for a pixel covered k times, each
// disc adding (3, 1, 1, 3).
std::uint32_t covered(unsigned k, unsigned alpha_override = 256) {
    const unsigned alpha = alpha_override < 256 ? alpha_override : 3 * k;
    return (3 * k) | (k << 8) | (k << 16) | (alpha << 24);
}

std::vector<std::uint8_t> shades(const std::vector<std::uint32_t>& counts) {
    std::vector<std::uint32_t> texels(counts.size(), 0xdeadbeefu);
    shade_counts(counts.data(), texels.data(), counts.size());
    std::vector<std::uint8_t> result;
    for (std::uint32_t t : texels) {
        EXPECT_EQ(t, (t & 0xffu) * 0x01010101u) << "shade not in all four bytes";
        result.push_back(static_cast<std::uint8_t>(t & 0xffu));
    }
    return result;
}

}  // namespace

TEST(parity_shading, odd_covers_lit_in_proportion_even_covers_black) {
    // The brightest odd count maps to 255 only when it is also the maximum;
    // here the maximum (28) is even.
    const std::vector<std::uint32_t> counts = {covered(0), covered(1), covered(2), covered(7),
                                               covered(27), covered(28)};
    const std::vector<std::uint8_t> expected = {0, 255 * 1 / 28, 0, 255 * 7 / 28, 255 * 27 / 28, 0};
    EXPECT_EQ(shades(counts), expected);
}

TEST(parity_shading, odd_maximum_gives_255) {
    EXPECT_EQ(shades({covered(3), covered(5), covered(4)}),
              (std::vector<std::uint8_t>{153, 255, 0}));
}

// The field shades its read-back words where they lie.
TEST(parity_shading, shades_in_place) {
    std::vector<std::uint32_t> words = {covered(5), covered(1), covered(2), covered(3)};
    const std::vector<std::uint8_t> expected = shades(words);
    shade_counts(words.data(), words.data(), words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i], expected[i] * 0x01010101u) << i;
    }
}

TEST(parity_shading, all_even_or_all_zero_is_black) {
    EXPECT_EQ(shades({covered(2), covered(4), covered(0)}), (std::vector<std::uint8_t>(3, 0)));
    EXPECT_EQ(shades({0, 0}), (std::vector<std::uint8_t>(2, 0)));
}

// A drawable without alpha bits reads alpha as 255; the colour bytes alone
// must give the same shades as a drawable that has alpha.
TEST(parity_shading, alpha_byte_does_not_change_shades) {
    std::vector<std::uint32_t> with_alpha, without_alpha;
    for (unsigned k = 0; k <= 28; ++k) {
        with_alpha.push_back(covered(k));
        without_alpha.push_back(covered(k, 255));
    }
    const auto shaded = shades(with_alpha);
    EXPECT_EQ(shades(without_alpha), shaded);
    EXPECT_EQ(shaded[27], 255 * 27 / 28);
}

TEST(texture_side, largest_power_of_two_not_above_shorter_side) {
    struct row {
        int width, height, side;
    };
    const row rows[] = {{1920, 1080, 1024}, {1024, 768, 512}, {800, 600, 512}, {152, 112, 64},
                        {512, 512, 512},    {511, 600, 256},  {0, 768, 1},     {1, 1, 1},
                        {2, 3, 2},          {3840, 2160, 2048}, {16384, 16384, 16384}};
    for (const row& r : rows) {
        EXPECT_EQ(texture_side(r.width, r.height), r.side) << r.width << "x" << r.height;
    }
}
