#include "saver/saver_scene.h"

saver_scene::saver_scene() {
    camera.pitch = -89.99f;
    camera.pitch_locked = true;
    camera.yaw = 0.0f;
    camera.zoom = static_cast<double>(0.1f);
}
