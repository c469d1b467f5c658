#include "camera/ball_camera.h"

#include <cmath>

#include "common/random_source.h"

namespace {

constexpr double pi = 3.141592653589793;

double radians(float degrees) { return degrees * pi / 180.0; }

}  // namespace

void ball_camera::step(int width, int height) {
    if (!pitch_locked) {
        if (pitch == 0.0f && yaw == 0.0f) {
            const double u = uniform01();
            pitch = static_cast<float>(-50.0 - 40.0 * u);
        }
        if (tilt_mode) {
            const double n = normal01();
            // The second term pulls the pitch back toward straight down.
            pitch_accel = pitch_accel +
                          (n * static_cast<double>(0.01f) - (pitch + 90.0) * 0.000006);
        }
    }
    if (!yaw_locked) {
        const double n = normal01();
        yaw_accel = yaw_accel + n * static_cast<double>(0.005f);
    }

    integrate();

    if (!pitch_locked) {
        if (pitch > 90.0f) {
            pitch = 90.0f;
        } else if (pitch < -90.0f) {
            pitch = -90.0f;
        }
        // At a pole, an acceleration pushing further out is halved.
        if (std::fabs(pitch) == 90.0f && pitch * pitch_accel > 0.0) pitch_accel *= 0.5;
    }

    if (!tilt_mode) {
        double e = zoom - 0.3;
        if (e < 0.0) e = 0.0;
        zoom_accel = 0.00007 - e * 0.00028;
        zoom_velocity = zoom_accel + zoom_velocity;
        zoom = zoom_velocity + zoom;
    }

    const double w = width;
    const double h = height;
    const double radius = (0.5 * h + 3.0 * h) * (1.0 - zoom);
    const double p = radians(pitch);
    const double q = radians(yaw);
    const double k = std::cos(p) * radius;
    x = static_cast<float>(0.5 * w - std::cos(q) * k);
    y = static_cast<float>(0.5 * h - std::sin(q) * k);
    z = static_cast<float>((-h) * 0.5 - std::sin(p) * radius);
}
