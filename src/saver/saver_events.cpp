#include "saver/saver_events.h"

#include "saver/render_frame.h"
#include "saver/saver_view.h"
#include "saver/setup_view.h"

int client_width = 0;
int client_height = 0;
saver_view* current_view = nullptr;

namespace {

bool destroyed = false;

}  // namespace

void saver_create(int width, int height) {
    client_width = width;
    client_height = height;
    current_view = new saver_view;
    current_view->scene = new saver_scene;
    setup_view();
}

void saver_resize(int width, int height) {
    if (current_view == nullptr || destroyed) return;
    if (width == client_width && height == client_height) return;
    client_width = width;
    client_height = height;
    setup_view();
}

void saver_tick() {
    if (current_view == nullptr || destroyed) return;
    render_frame(*current_view->scene);
}

void saver_destroy() { destroyed = true; }
