#include "host/headless_readback.h"

#include <cstring>

#include "common/gl_api.h"
#include "field/circles.h"

std::vector<std::uint8_t> read_frame_rgb(int width, int height) {
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> bottom_up(stride * static_cast<std::size_t>(height));
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);

    std::vector<std::uint8_t> top_down(bottom_up.size());
    for (int y = 0; y < height; ++y) {
        std::memcpy(&top_down[stride * static_cast<std::size_t>(y)],
                    &bottom_up[stride * static_cast<std::size_t>(height - 1 - y)], stride);
    }
    return top_down;
}

std::vector<std::uint8_t> field_pattern_grey(const circles& field) {
    const int side = field.tex_width;
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    for (int y = 0; y < side; ++y) {
        const std::size_t src_row = static_cast<std::size_t>(side - 1 - y) * side;
        for (int x = 0; x < side; ++x) {
            grey[static_cast<std::size_t>(y) * side + x] = field.texels[src_row + x] & 0xffu;
        }
    }
    return grey;
}
