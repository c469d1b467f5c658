// A camera whose five degrees of freedom each carry a velocity and a
// persistent acceleration, advanced one frame at a time.
#pragma once

#include "camera/camera_gl.h"

class inertial_camera_gl : public camera_gl {
public:
    // One frame of the camera for a drawable of width x height pixels.
    virtual void step(int width, int height) = 0;

    // Advances velocities, position and angles by one frame. While an angle
    // is unlocked its acceleration is held to [-0.05, 0.05] degrees/frame^2
    // and its velocity to [-0.3, 0.3] (pitch) or [-1, 1] (yaw) degrees/frame;
    // the yaw is always wrapped into [-180, 180].
    void integrate();

    double x_accel = 0.0;  // units per frame^2
    double x_velocity = 0.0;  // units per frame
    double y_accel = 0.0;
    double y_velocity = 0.0;
    double z_accel = 0.0;
    double z_velocity = 0.0;
    double pitch_accel = 0.0;  // degrees per frame^2
    double pitch_velocity = 0.0;  // degrees per frame
    double yaw_accel = 0.0;
    double yaw_velocity = 0.0;
    bool pitch_locked = false;  // a locked angle stays where it was put
    bool yaw_locked = false;

protected:
    // Never destroyed through a base pointer; the owner holds the camera by value.
    ~inertial_camera_gl() = default;
};
