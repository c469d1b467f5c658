// The offscreen GL contexts the GL tests draw in: one with an 8-bit alpha
// channel, one without, sharing display lists and textures, made once per
// test program.
#pragma once

#include "host/headless_egl_context.h"

// Makes the context with (8) or without (0) alpha current on a drawable of
// width x height pixels, and returns it.
headless_egl_context& gl_context(int width, int height, int alpha_bits = 8);
