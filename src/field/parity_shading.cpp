#include "field/parity_shading.h"

void shade_counts(const std::uint32_t* counts, std::uint32_t* texels, std::size_t n) {
    std::int32_t max = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t w = count_word(counts[i]);
        if (w > max) max = w;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t w = count_word(counts[i]);
        std::uint32_t shade = 0;
        if (w % 2 != 0 && max != 0) {
            shade = static_cast<std::uint32_t>((std::int64_t{255} * w) / max) & 0xffu;
        }
        texels[i] = shade * 0x01010101u;
    }
}
