// The saver's events as a host delivers them, on the thread that holds a
// current, double-buffered GL context for the saver's drawable.
#pragma once

// Creation: stores the client size (pixels), builds the saver's records and
// sets up the view. Called once, with the context current.
void saver_create(int width, int height);

// A change of the drawable's size: the view and the field follow it, the
// tint and the camera carry on. Same-size calls do nothing.
void saver_resize(int width, int height);

// One tick (every 50 ms): renders one frame; the host swaps afterwards.
void saver_tick();

// Destruction: no frame is rendered afterwards. The records stay until the
// process ends; the host releases its context.
void saver_destroy();
