// X errors as flags instead of the default handler's exit: a foreign window
// that vanishes ends the saver quietly, anything else is reported once.
#pragma once

#include <X11/Xlib.h>

#include <string>

// Installs the error and I/O-error handlers, before the display is opened
// (Xlib's own would print its lines if the server went away meanwhile). A
// lost connection ends the program with one line and status 1.
void install_x11_error_handlers();

// Once `display` is open: when the GL driver crashes on its lost
// connection instead of reporting it, the program ends the same way.
void guard_x11_connection(Display* display);

// The GLX extension's first error code, once known (GLX's drawable errors
// also mean "gone").
void set_glx_error_base(int glx_error_base);

// True once the server said a window or drawable we use no longer exists.
bool x11_window_gone();

// The first error of another kind, as one line, or empty.
std::string x11_other_error();

// Forgets what was recorded, e.g. after probing a window id.
void clear_x11_errors();
