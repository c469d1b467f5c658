// How the balance of the tint pushes the camera's turning.
#pragma once

class circles;
class inertial_camera_gl;

// The push on the yaw acceleration: (blue - red) / (green * 128), degrees
// per frame^2. With green at 0 it is infinite (the camera's clamp bounds
// it), or 0 when blue equals red too, so no NaN ever reaches the camera.
double yaw_push(float red, float green, float blue);

// Adds the field's push to the camera's yaw acceleration.
void feed_yaw(inertial_camera_gl& camera, const circles& field);
