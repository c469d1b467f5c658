// What one saver window shows: the field and the camera that turns about it.
#pragma once

#include "camera/ball_camera.h"
#include "field/circles.h"

class saver_scene {
public:
    // Needs a current GL context (the field creates its texture). The camera
    // looks almost straight down with its pitch locked, so only the yaw wanders.
    saver_scene();

    circles field;
    ball_camera camera;
    int view_width = 0;   // pixels; 0 until the view is set up
    int view_height = 0;
};
