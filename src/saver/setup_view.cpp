#include "saver/setup_view.h"

#include "common/gl_api.h"
#include "saver/saver_view.h"
#include "saver/view_projection.h"

void setup_view(saver_scene& scene, int width, int height) {
    const double w = width;
    const double h = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const view_projection projection = projection_for(width, height);
    gluPerspective(projection.fovy, projection.aspect, 1.0, 10000000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.5 * w, 0.5 * h, 3.0 * h, 0.5 * w, 0.5 * h, -0.5 * h, 0.0, 1.0, 0.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene.view_width = width;
    scene.view_height = height;
    scene.field.resize(width, height);
}

void setup_view() { setup_view(*current_view->scene, client_width, client_height); }
