#include "host/x11_fps_overlay.h"

#include <GL/glx.h>

#include <cstdio>

#include "common/gl_api.h"

namespace {

// Glyph lists for printable ASCII only.
constexpr int first_glyph = 32;
constexpr int glyph_count = 96;

}  // namespace

x11_fps_overlay::x11_fps_overlay(Display* display)
    : display_(display), font_(XLoadQueryFont(display, "9x15")) {
    // The server's built-in font is always there; 9x15 reads better.
    if (font_ == nullptr) font_ = XLoadQueryFont(display, "fixed");
    if (font_ == nullptr) return;
    list_base_ = glGenLists(glyph_count);
    glXUseXFont(font_->fid, first_glyph, glyph_count, static_cast<int>(list_base_));
}

x11_fps_overlay::~x11_fps_overlay() {
    if (font_ == nullptr) return;
    glDeleteLists(list_base_, glyph_count);
    XFreeFont(display_, font_);
}

void x11_fps_overlay::count_frame(std::int64_t now_ns) {
    if (since_ns_ < 0) {
        since_ns_ = now_ns;
        return;
    }
    ++frames_;
    const std::int64_t elapsed = now_ns - since_ns_;
    if (elapsed < 1'000'000'000) return;
    char line[32];
    std::snprintf(line, sizeof line, "FPS: %.1f", frames_ * 1e9 / static_cast<double>(elapsed));
    text_ = line;
    since_ns_ = now_ns;
    frames_ = 0;
}

void x11_fps_overlay::draw(int width, int height) const {
    if (font_ == nullptr || width <= 0 || height <= 0) return;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT |
                 GL_VIEWPORT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glColor3f(1.0f, 1.0f, 0.0f);
    glRasterPos2i(8, 8 + font_->descent);
    for (char c : text_) {
        // Mesa's lists for blank glyphs lose their advance; step over them here.
        if (c == ' ') {
            glBitmap(0, 0, 0.0f, 0.0f, static_cast<float>(font_->max_bounds.width), 0.0f, nullptr);
        } else {
            glCallList(list_base_ + static_cast<unsigned char>(c) - first_glyph);
        }
    }

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}
