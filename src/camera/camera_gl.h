// An eye position with a heading and an elevation, applied as a look-at.
#pragma once

// The nine gluLookAt arguments: eye, centre, up.
struct look_at {
    double eye_x, eye_y, eye_z;
    double centre_x, centre_y, centre_z;
    double up_x, up_y, up_z;
};

class camera_gl {
public:
    // Scene units are drawable pixels; angles are degrees. Yaw is measured
    // in the x-y plane from +x toward +y; pitch is the elevation toward +z
    // (-90 looks straight down onto the field).
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float pitch = 0.0f;
    float yaw = 0.0f;

    // The look-at of the current fields: the centre lies one unit along the
    // viewing direction; the up vector lies in the vertical plane through it.
    look_at view() const;

    // Selects the modelview matrix and replaces it with view(). Needs a
    // current GL context.
    void apply() const;
};
