#include "gl_context.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<headless_egl_context> with_alpha;
std::unique_ptr<headless_egl_context> without_alpha;

}  // namespace

headless_egl_context& gl_context(int width, int height, int alpha_bits) {
    if (!with_alpha) with_alpha = headless_egl_context::create(width, height, 8);
    if (alpha_bits == 8) {
        with_alpha->resize(width, height);
        return *with_alpha;
    }
    if (!without_alpha) {
        without_alpha = headless_egl_context::create(width, height, 0, with_alpha.get());
    }
    without_alpha->resize(width, height);
    return *without_alpha;
}
