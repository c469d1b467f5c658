#include "field/color_drift.h"

#include "common/random_source.h"
#include "field/circles.h"

namespace {

constexpr double decay = 0.9;
constexpr double noise_gain = 0.0001;
constexpr double accel_bound = 0.01;

}  // namespace

void drift_channel(float& value, float& velocity, float& accel, double n) {
    double t = decay * accel + noise_gain * n;
    if (t > accel_bound) {
        t = accel_bound;
    } else if (t < -accel_bound) {
        t = -accel_bound;
    }
    accel = static_cast<float>(t);
    velocity = static_cast<float>(accel + decay * velocity);

    const double s = static_cast<double>(value) + velocity;
    if (s > 1.0) {
        value = 1.0f;
    } else if (s < 0.0) {
        value = 0.0f;
    } else {
        value = static_cast<float>(s);
    }
}

void drift_colors(circles& field) {
    drift_channel(field.red, field.red_velocity, field.red_accel, normal01());
    drift_channel(field.green, field.green_velocity, field.green_accel, normal01());
    drift_channel(field.blue, field.blue_velocity, field.blue_accel, normal01());
}
