// Turning the counting pass's per-pixel sums into grey shades.
#pragma once

#include <cstddef>
#include <cstdint>

// The count word of a read-back pixel: its red, green and blue bytes (red
// lowest). Alpha is left out so that a drawable with no alpha bits, which
// reads alpha as 255, counts exactly as one that has them.
inline std::int32_t count_word(std::uint32_t pixel) {
    return static_cast<std::int32_t>(pixel & 0x00ffffffu);
}

// Writes into each texel the shade of the count word at the same index, in
// all four bytes: 0 for an even count, otherwise 255 * count / max where max
// is the largest count word (0 when there is none above 0). `counts` and
// `texels` may be the same array.
void shade_counts(const std::uint32_t* counts, std::uint32_t* texels, std::size_t n);
