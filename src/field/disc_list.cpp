#include "field/disc_list.h"

#include <cmath>

#include "common/gl_api.h"

namespace {

GLuint cached_disc_list = 0;

constexpr int rim_vertices = 24;
constexpr double pi = 3.141592653589793;

}  // namespace

unsigned disc_list() {
    if (cached_disc_list != 0) return cached_disc_list;
    cached_disc_list = glGenLists(1);
    if (cached_disc_list == 0) return 0;

    glNewList(cached_disc_list, GL_COMPILE);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(0.0f, 0.0f);
    for (int k = 0; k < rim_vertices; ++k) {
        const double a = (2.0 * k) * pi / 24.0;
        glVertex2f(static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a)));
    }
    glVertex2f(1.0f, 0.0f);
    glEnd();
    glEndList();
    return cached_disc_list;
}
