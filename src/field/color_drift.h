// The slow random drift of the field's tint.
#pragma once

class circles;

// One frame of one channel: value in [0, 1], velocity (per frame) and
// acceleration (per frame^2, held to [-0.01, 0.01]), pushed by the normal
// deviate `n`. Arithmetic is double; each result is stored as a float before
// the next step reads it.
void drift_channel(float& value, float& velocity, float& accel, double n);

// One frame of the whole tint: draws three deviates from normal01, for red,
// green and blue in that order.
void drift_colors(circles& field);
