// The per-frame trace of the offscreen mode: exact values, one CSV line each.
#pragma once

#include <cstdint>
#include <cstdio>

class saver_scene;

// "# size=WxH tex=T fovy=... aspect=... seed=S" and the column names.
void write_trace_header(std::FILE* out, int width, int height, int tex, double fovy,
                        double aspect, std::uint32_t seed);

// One line for frame `frame` (counted from 1): floats with 9 significant
// digits and doubles with 17, so every value reads back to the same bits.
void write_trace_line(std::FILE* out, long frame, const saver_scene& scene);
