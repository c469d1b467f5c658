#include "saver/render_frame.h"

#include "common/gl_api.h"
#include "saver/saver_view.h"
#include "saver/yaw_feed.h"

void render_frame(saver_scene& scene) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    // Nothing tests or reads depth, so a drawable that has a depth buffer
    // (a foreign window's visual may) needs only its colour cleared.
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    if (scene.view_width != 0 && scene.view_height != 0) {
        scene.field.update();
        feed_yaw(scene.camera, scene.field);
        scene.camera.step(scene.view_width, scene.view_height);
        scene.camera.apply();
    }
    // The square is the only drawing on a buffer just cleared to black, where
    // (SRC_ALPHA, ZERO) blends to the very pixels (SRC_ALPHA,
    // ONE_MINUS_SRC_ALPHA) gives, without reading the destination back.
    glBlendFunc(GL_SRC_ALPHA, GL_ZERO);
    scene.field.draw();
    glPopMatrix();
    glFinish();
    glFlush();
}
