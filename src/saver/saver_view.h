// The process-wide state of the one saver window a process runs.
#pragma once

#include "saver/saver_scene.h"

struct saver_view {
    saver_scene* scene = nullptr;  // owned; lives until the process ends
};

extern int client_width;   // pixels, as the host gave them at creation or resize
extern int client_height;
extern saver_view* current_view;  // set at creation, never cleared
