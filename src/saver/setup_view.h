// Fixing the view for a client area of a known size.
#pragma once

class saver_scene;

// Sets the viewport to the whole client area, the perspective projection and
// the initial look-at (eye 3 heights in front of the middle of the area,
// looking straight along -z), clears, stores the size in the scene and sizes
// the field for it. Leaves GL_MODELVIEW as the matrix mode.
void setup_view(saver_scene& scene, int width, int height);

// The same for the process-wide view and client size.
void setup_view();
