#include "saver/yaw_feed.h"

#include <cmath>

#include "camera/inertial_camera_gl.h"
#include "field/circles.h"

double yaw_push(float red, float green, float blue) {
    const double push = (static_cast<double>(blue) - red) / (green * 128.0);
    return std::isnan(push) ? 0.0 : push;
}

void feed_yaw(inertial_camera_gl& camera, const circles& field) {
    camera.yaw_accel = camera.yaw_accel + yaw_push(field.red, field.green, field.blue);
}
