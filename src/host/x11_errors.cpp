#include "host/x11_errors.h"

#include <cstdio>
#include <cstdlib>

namespace {

// GLX's error codes for a drawable that is gone, from its protocol.
constexpr int glx_bad_drawable = 2;
constexpr int glx_bad_current_window = 5;
constexpr int glx_bad_current_drawable = 11;
constexpr int glx_bad_window = 12;

int glx_base = -1000;  // until GLX is known, no error counts as a GLX one
bool gone = false;
std::string other;

bool is_gone_error(int code) {
    if (code == BadWindow || code == BadDrawable) return true;
    const int glx = code - glx_base;
    return glx == glx_bad_drawable || glx == glx_bad_current_window ||
           glx == glx_bad_current_drawable || glx == glx_bad_window;
}

int record_error(Display* display, XErrorEvent* event) {
    if (is_gone_error(event->error_code)) {
        gone = true;
    } else if (other.empty()) {
        char text[160] = "";
        XGetErrorText(display, event->error_code, text, sizeof text);
        other = std::string("X error: ") + text + " (request " +
                std::to_string(static_cast<int>(event->request_code)) + "." +
                std::to_string(static_cast<int>(event->minor_code)) + ")";
    }
    return 0;
}

// Xlib cannot carry on after its connection breaks; end with one line.
int connection_lost(Display*) {
    std::fputs("quillmere: lost the connection to the X server\n", stderr);
    std::_Exit(1);
}

}  // namespace

void install_x11_error_handlers(int glx_error_base) {
    glx_base = glx_error_base;
    XSetErrorHandler(record_error);
    XSetIOErrorHandler(connection_lost);
}

bool x11_window_gone() { return gone; }

std::string x11_other_error() { return other; }

void clear_x11_errors() {
    gone = false;
    other.clear();
}
