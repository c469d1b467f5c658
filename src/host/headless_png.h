// Writing 8-bit PNG files.
#pragma once

#include <cstdint>
#include <string>

// Writes `rows` (top row first, `channels` bytes per pixel: 1 grey, 3 RGB)
// to `path`. Returns an empty string, or one line saying what failed.
std::string write_png(const std::string& path, int width, int height, int channels,
                      const std::uint8_t* rows);
