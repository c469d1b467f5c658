#include "floor_frame.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/gl_api.h"
#include "field/texture_side.h"

floor_frame::floor_frame(int width, int height) : width_(width), height_(height) {
    const int side = texture_side(width, height);
    std::vector<std::uint32_t> texels(static_cast<std::size_t>(side) * side);
    for (std::size_t i = 0; i < texels.size(); ++i) texels[i] = (i % 256) * 0x01010101u;
    GLuint name = 0;
    glGenTextures(1, &name);
    texture_ = name;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.data());
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

floor_frame::~floor_frame() {
    const GLuint name = texture_;
    glDeleteTextures(1, &name);
}

void floor_frame::render() {
    const int m = std::min(width_, height_);
    const float x0 = static_cast<float>((width_ - m) / 2);
    const float y0 = static_cast<float>((height_ - m) / 2);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(x0, y0);
    glTexCoord2f(1, 0);
    glVertex2f(x0 + m, y0);
    glTexCoord2f(1, 1);
    glVertex2f(x0 + m, y0 + m);
    glTexCoord2f(0, 1);
    glVertex2f(x0, y0 + m);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glFinish();
}
