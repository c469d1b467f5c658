// The camera that orbits the field: it sits on a sphere around a point half
// a drawable height behind the field's middle and always looks at that point,
// while its angles wander by random accelerations.
#pragma once

#include "camera/inertial_camera_gl.h"

class ball_camera final : public inertial_camera_gl {
public:
    // Random pitch and yaw wander (uniform01, normal01), one integrate, the
    // pitch held to [-90, 90], the zoom spring when tilt_mode is off, and the
    // eye placed on the orbit for a drawable of width x height pixels.
    void step(int width, int height) override;

    // How far the eye has come in from the full orbit radius 3.5 * height:
    // the radius is 3.5 * height * (1 - zoom).
    double zoom = 0.0;
    double zoom_velocity = 0.0;  // per frame
    double zoom_accel = 0.0;     // per frame^2, recomputed by each zoom step
    // true: the pitch gets random accelerations and the zoom stays;
    // false: the pitch gets none and the zoom swings.
    bool tilt_mode = true;
};
