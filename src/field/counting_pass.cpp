// The counting pass of the parity field: every disc adds the same colour to
// the back buffer, so each pixel's sum is its cover count times one step.
#include <algorithm>
#include <cmath>

#include "common/gl_api.h"
#include "field/circles.h"
#include "field/disc_list.h"

namespace {

constexpr double pi = 3.141592653589793;

void stamp_disc(GLuint list, double x, double y, double radius) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(static_cast<float>(radius), static_cast<float>(radius), 1.0f);
    glCallList(list);
    glPopMatrix();
}

}  // namespace

void circles::count_discs() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, view_width, 0.0, view_height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    // Smoothing would add partial-coverage fragments along every edge and
    // break the counts there.
    const GLboolean smoothing = glIsEnabled(GL_POLYGON_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);

    // (3, 1, 1, 3) in bytes: an odd red step makes the low bit of red the
    // parity of the cover, whatever the GL's signed-byte conversion.
    glBlendFunc(GL_ONE, GL_ONE);
    glColor4ub(3, 1, 1, 3);

    const int n_circles = circle_count;
    const double cx = tex_width / 2;
    const double cy = tex_height / 2;
    const double ring_radius = 0.22 * std::min(tex_width, tex_height);
    const GLuint list = disc_list();

    for (int i = 0; i < n_circles; ++i) {
        const double theta = (2.0 * i) * pi / n_circles;
        stamp_disc(list, cx + ring_radius * std::cos(theta), cy + ring_radius * std::sin(theta),
                   ring_radius);
    }

    // Each concentric disc passes through the crossings of ring discs n
    // places apart; the smallest one is also the blanking disc.
    double blanking_radius = 0.0;
    for (int n = n_circles / 2 - 2; n >= 1; --n) {
        const double phi = pi - (1.0 - 2.0 * n / n_circles) * pi;
        const double a = ring_radius * (std::cos(phi) + 1.0);
        const double b = ring_radius * std::sin(phi);
        const double r = std::sqrt(b * b + a * a);
        if (blanking_radius == 0.0) blanking_radius = r;
        stamp_disc(list, cx, cy, r);
    }

    glBlendFunc(GL_ZERO, GL_ZERO);
    glColor4ub(0, 0, 0, 0);
    stamp_disc(list, cx, cy, blanking_radius);

    glReadPixels(0, 0, tex_width, tex_height, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());

    glFinish();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (smoothing) glEnable(GL_POLYGON_SMOOTH);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    needs_count = false;
}
