#include "host/headless_png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

std::string write_png(const std::string& path, int width, int height, int channels,
                      const std::uint8_t* rows) {
    if (width <= 0 || height <= 0) return "cannot write an empty image to " + path;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return "cannot write " + path + ": " + std::strerror(errno);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        return "out of memory writing " + path;
    }
    std::vector<png_const_bytep> row_pointers(static_cast<std::size_t>(height));
    const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    for (int y = 0; y < height; ++y) row_pointers[static_cast<std::size_t>(y)] = rows + stride * y;

    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return "cannot write " + path;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 channels == 1 ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(row_pointers.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) return "cannot write " + path + ": " + std::strerror(errno);
    return {};
}
