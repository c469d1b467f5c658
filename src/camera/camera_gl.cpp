#include "camera/camera_gl.h"

#include <cmath>

#include "common/gl_api.h"

namespace {

constexpr double pi = 3.141592653589793;

}  // namespace

look_at camera_gl::view() const {
    const double p = pitch * pi / 180.0;
    const double q = yaw * pi / 180.0;
    const double cp = std::cos(p);
    const double c = std::cos(q) * cp;
    const double s = std::sin(q) * cp;
    const double sp = std::sin(p);
    return look_at{x, y, z, x + c, y + s, z + sp, -(sp * c), -(sp * s), s * s + c * c};
}

void camera_gl::apply() const {
    const look_at v = view();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(v.eye_x, v.eye_y, v.eye_z, v.centre_x, v.centre_y, v.centre_z, v.up_x, v.up_y,
              v.up_z);
}
