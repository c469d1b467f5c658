// The windows the saver draws in: its own (standalone, full screen, the
// preview child) or one that another client made (root, -window-id).
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "host/x11_glx_context.h"

struct x11_target {
    Window drawable = None;  // the window GL draws in
    // The window whose destruction ends the run: the foreign window itself,
    // the preview's parent, or our own window.
    Window watched = None;
    bool own = false;  // we made `drawable` and destroy it at the end
    visual_info_ptr visual;
    int width = 0;  // the drawable's size, pixels
    int height = 0;
    int pointer_x = 0;  // full screen: where the pointer was at the start
    int pointer_y = 0;
};

// Each returns an empty string, or one line saying what failed.

// A top-level window of about 1280x720 titled "Quillmere", with our visual.
std::string open_standalone_window(Display* display, x11_target& target);

// An override-redirect window over the root window's whole size, on top,
// cursor hidden, holding the keyboard and pointer when it can.
std::string open_full_screen_window(Display* display, x11_target& target);

// A child filling `parent`, in the parent's visual.
std::string open_preview_window(Display* display, Window parent, x11_target& target);

// Draws straight into `window` (0: the root window), in its visual. Selects
// only structure events there: another client may own its input.
std::string adopt_foreign_window(Display* display, Window window, x11_target& target);

// Reads the attributes of `window`; false when it names no window.
bool read_attributes(Display* display, Window window, XWindowAttributes& attributes);

// The name of a window id in messages.
std::string window_name(Window window);
