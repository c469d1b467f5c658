#include "field/circles.h"

#include <algorithm>

#include "common/gl_api.h"
#include "field/color_drift.h"
#include "field/parity_shading.h"
#include "field/texture_side.h"

circles::circles()
    : tex_width(1),
      tex_height(1),
      texels(1),
      texture(0),
      needs_shade(true),
      needs_count(true),
      texture_dirty(false),
      circle_count(32),
      view_width(0),
      view_height(0),
      red(0.7f), red_velocity(0.0f), red_accel(0.0f),
      green(0.7f), green_velocity(0.0f), green_accel(0.0f),
      blue(0.7f), blue_velocity(0.0f), blue_accel(0.0f) {
    GLuint name = 0;
    glGenTextures(1, &name);
    texture = name;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

circles::~circles() {
    const GLuint name = texture;
    glDeleteTextures(1, &name);
    texels.clear();
    texels.shrink_to_fit();
}

void circles::resize(int width, int height) {
    view_width = width;
    view_height = height;
    const int t = texture_side(width, height);
    tex_width = t;
    tex_height = t;
    texels.resize(static_cast<std::size_t>(t) * static_cast<std::size_t>(t));
    needs_shade = true;
    needs_count = true;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, tex_width, tex_height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
}

void circles::update() {
    if (needs_shade && !needs_count) shade();
    if (needs_count) count_discs();
    drift_colors(*this);
}

void circles::shade() {
    shade_counts(texels.data(), texels.data(), texels.size());
    needs_shade = false;
    texture_dirty = true;
}

void circles::draw() {
    const int m = std::min(view_width, view_height);
    const float x0 = static_cast<float>((view_width - m) / 2);
    const float y0 = static_cast<float>((view_height - m) / 2);
    const float x1 = x0 + static_cast<float>(m);
    const float y1 = y0 + static_cast<float>(m);

    glColor4f(red, green, blue, 1.0f);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_POLYGON);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(x0, y0, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(x1, y0, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(x1, y1, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(x0, y1, 0.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    // Uploading after the square keeps this frame's draw off the new texels;
    // they show from the next frame.
    if (texture_dirty) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, tex_width, tex_height, GL_RGBA,
                        GL_UNSIGNED_BYTE, texels.data());
        texture_dirty = false;
    }
}
