// Reading the saver's pictures back for files and tests.
#pragma once

#include <cstdint>
#include <vector>

class circles;

// The current drawable's colour buffer as RGB bytes, top row first, as a
// window would show it. Needs a current context.
std::vector<std::uint8_t> read_frame_rgb(int width, int height);

// The field's grey shades, one byte per texel, top row first (as displayed).
std::vector<std::uint8_t> field_pattern_grey(const circles& field);
