#include "host/x11_close_rules.h"

#include <X11/keysym.h>

#include <cstdlib>

bool x11_close_rules::closes(const XEvent& event, KeySym key) const {
    switch (mode_) {
    case x11_close_mode::embedded:
        return false;
    case x11_close_mode::standalone:
        if (event.type == KeyPress) return key == XK_q || key == XK_Q || key == XK_Escape;
        return event.type == ClientMessage && event.xclient.format == 32 &&
               static_cast<Atom>(event.xclient.data.l[0]) == delete_window_;
    case x11_close_mode::full_screen:
        break;
    }
    switch (event.type) {
    case KeyPress:
    case ButtonPress:
        return true;
    case MotionNotify:
        return std::abs(event.xmotion.x_root - start_x_) > x11_motion_threshold ||
               std::abs(event.xmotion.y_root - start_y_) > x11_motion_threshold;
    case FocusOut:
        // Focus moving in and out for our own grabs, or within our window, is
        // no loss.
        return (event.xfocus.mode == NotifyNormal || event.xfocus.mode == NotifyWhileGrabbed) &&
               event.xfocus.detail != NotifyInferior && event.xfocus.detail != NotifyPointer;
    default:
        return false;
    }
}
