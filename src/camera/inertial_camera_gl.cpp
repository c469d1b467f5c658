#include "camera/inertial_camera_gl.h"

namespace {

constexpr double accel_bound = 0.05;
constexpr double pitch_velocity_bound = 0.3;
constexpr double yaw_velocity_bound = 1.0;

void clamp_accel(double& accel) {
    if (accel < -accel_bound) {
        accel = -accel_bound;
    } else if (accel > accel_bound) {
        accel = accel_bound;
    }
}

// Moves one angle by its clamped velocity.
void turn(float& angle, double accel, double& velocity, double bound) {
    double v = accel + velocity;
    if (v > bound) {
        v = bound;
    } else if (v < -bound) {
        v = -bound;
    }
    velocity = v;
    angle = static_cast<float>(angle + v);
}

void move(float& position, double accel, double& velocity) {
    velocity = accel + velocity;
    position = static_cast<float>(position + velocity);
}

}  // namespace

void inertial_camera_gl::integrate() {
    if (!pitch_locked) clamp_accel(pitch_accel);
    if (!yaw_locked) clamp_accel(yaw_accel);

    move(x, x_accel, x_velocity);
    move(y, y_accel, y_velocity);
    move(z, z_accel, z_velocity);

    if (!pitch_locked) turn(pitch, pitch_accel, pitch_velocity, pitch_velocity_bound);
    if (!yaw_locked) turn(yaw, yaw_accel, yaw_velocity, yaw_velocity_bound);

    if (yaw < -180.0f) yaw = static_cast<float>(yaw + 360.0);
    if (yaw > 180.0f) yaw = static_cast<float>(yaw - 360.0);
}
