// One frame of the saver, short of the buffer swap, which is the host's.
#pragma once

class saver_scene;

// Sets the frame's GL state, clears, updates the field and turns the camera
// (only while the scene's size is not empty), draws the field and waits for
// the frame to finish. Expects GL_MODELVIEW as the matrix mode and leaves it.
void render_frame(saver_scene& scene);
