// When user input ends the saver.
#pragma once

#include <X11/Xlib.h>

// Full screen ends once the pointer is more than this many pixels away from
// where it was at the start, along either axis.
constexpr int x11_motion_threshold = 4;

enum class x11_close_mode {
    standalone,   // q, Q, Escape or the window manager's close
    full_screen,  // any key, any button, motion beyond the threshold, focus loss
    embedded,     // preview and foreign windows: input is their owner's
};

class x11_close_rules {
public:
    // `delete_window` is the WM_DELETE_WINDOW atom; (x, y) the pointer's
    // position on the root window at the start.
    x11_close_rules(x11_close_mode mode, Atom delete_window, int x, int y)
        : mode_(mode), delete_window_(delete_window), start_x_(x), start_y_(y) {}

    // True when `event`, which arrived on the saver's own window, ends the
    // run; `key` is the key's symbol for a KeyPress.
    bool closes(const XEvent& event, KeySym key) const;

private:
    x11_close_mode mode_;
    Atom delete_window_;
    int start_x_;
    int start_y_;
};
