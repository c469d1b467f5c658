#include "host/x11_window.h"

#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>

#include "host/x11_errors.h"

namespace {

constexpr int standalone_width = 1280;
constexpr int standalone_height = 720;

// Waits until the server has mapped `window`, for at most two seconds: a
// window manager that never maps it should not hang the saver.
void wait_until_mapped(Display* display, Window window) {
    for (int waited_ms = 0; waited_ms < 2000; waited_ms += 10) {
        XEvent event;
        if (XCheckTypedWindowEvent(display, window, MapNotify, &event)) {
            XPutBackEvent(display, &event);
            return;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 10);
    }
}

Window create_own_window(Display* display, const XVisualInfo& visual, int width, int height,
                         bool override_redirect, long events) {
    const Window root = RootWindow(display, visual.screen);
    XSetWindowAttributes a{};
    a.colormap = XCreateColormap(display, root, visual.visual, AllocNone);
    a.background_pixel = 0;
    a.border_pixel = 0;
    a.event_mask = events;
    a.override_redirect = override_redirect ? True : False;
    return XCreateWindow(display, root, 0, 0, static_cast<unsigned>(width),
                         static_cast<unsigned>(height), 0, visual.depth, InputOutput,
                         visual.visual, CWColormap | CWBackPixel | CWBorderPixel | CWEventMask |
                         CWOverrideRedirect, &a);
}

std::string choose_visual(Display* display, x11_target& target) {
    target.visual = choose_own_visual(display, DefaultScreen(display));
    if (!target.visual) return "no double-buffered RGBA visual with 8 bits a channel";
    return "";
}

Cursor blank_cursor(Display* display, Window window) {
    const char bits[1] = {0};
    Pixmap empty = XCreateBitmapFromData(display, window, bits, 1, 1);
    XColor black{};
    Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display, empty);
    return cursor;
}

}  // namespace

bool read_attributes(Display* display, Window window, XWindowAttributes& attributes) {
    clear_x11_errors();
    const bool ok = XGetWindowAttributes(display, window, &attributes) != 0 && !x11_window_gone();
    clear_x11_errors();
    return ok;
}

std::string window_name(Window window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(window));
    return text;
}

std::string open_standalone_window(Display* display, x11_target& target) {
    std::string error = choose_visual(display, target);
    if (!error.empty()) return error;
    const int screen = DefaultScreen(display);
    const int width = std::min(standalone_width, DisplayWidth(display, screen));
    const int height = std::min(standalone_height, DisplayHeight(display, screen));
    const Window window = create_own_window(display, *target.visual, width, height, false,
                                            KeyPressMask | StructureNotifyMask);
    XStoreName(display, window, "Quillmere");
    XClassHint hint{const_cast<char*>("quillmere"), const_cast<char*>("Quillmere")};
    XSetClassHint(display, window, &hint);
    Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &delete_window, 1);
    XMapWindow(display, window);
    wait_until_mapped(display, window);

    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    target.drawable = target.watched = window;
    target.own = true;
    target.width = attributes.width;
    target.height = attributes.height;
    return "";
}

std::string open_full_screen_window(Display* display, x11_target& target) {
    std::string error = choose_visual(display, target);
    if (!error.empty()) return error;
    const Window root = RootWindow(display, target.visual->screen);
    XWindowAttributes root_attributes;
    XGetWindowAttributes(display, root, &root_attributes);
    const Window window =
        create_own_window(display, *target.visual, root_attributes.width, root_attributes.height,
                          true,
                          KeyPressMask | ButtonPressMask | PointerMotionMask | FocusChangeMask |
                              StructureNotifyMask);
    XStoreName(display, window, "Quillmere");
    const Cursor cursor = blank_cursor(display, window);
    XDefineCursor(display, window, cursor);
    XMapRaised(display, window);
    wait_until_mapped(display, window);

    // Input goes to the saver even if another window held the focus; when
    // some client already holds a grab, the events on our window still count.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XGrabKeyboard(display, window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    XGrabPointer(display, window, True, ButtonPressMask | PointerMotionMask, GrabModeAsync,
                 GrabModeAsync, None, cursor, CurrentTime);

    Window root_back, child;
    int wx, wy;
    unsigned mask;
    XQueryPointer(display, window, &root_back, &child, &target.pointer_x, &target.pointer_y, &wx,
                  &wy, &mask);
    target.drawable = target.watched = window;
    target.own = true;
    target.width = root_attributes.width;
    target.height = root_attributes.height;
    return "";
}

std::string open_preview_window(Display* display, Window parent, x11_target& target) {
    XWindowAttributes parent_attributes;
    if (!read_attributes(display, parent, parent_attributes)) {
        return "no window " + window_name(parent);
    }
    if (parent_attributes.c_class == InputOnly) {
        return "window " + window_name(parent) + " is input-only";
    }
    target.visual = visual_of(display, parent_attributes);
    if (!target.visual) return "cannot read the visual of window " + window_name(parent);
    XSetWindowAttributes a{};
    a.background_pixel = 0;
    a.border_pixel = 0;
    a.event_mask = StructureNotifyMask;
    const Window window = XCreateWindow(
        display, parent, 0, 0, static_cast<unsigned>(parent_attributes.width),
        static_cast<unsigned>(parent_attributes.height), 0, parent_attributes.depth, InputOutput,
        parent_attributes.visual, CWBackPixel | CWBorderPixel | CWEventMask, &a);
    XSelectInput(display, parent, StructureNotifyMask);
    XMapWindow(display, window);
    XSync(display, False);
    if (x11_window_gone()) return "window " + window_name(parent) + " went away";
    target.drawable = window;
    target.watched = parent;
    target.own = true;
    target.width = parent_attributes.width;
    target.height = parent_attributes.height;
    return "";
}

std::string adopt_foreign_window(Display* display, Window window, x11_target& target) {
    if (window == None) window = DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (!read_attributes(display, window, attributes)) return "no window " + window_name(window);
    if (attributes.c_class == InputOnly) {
        return "window " + window_name(window) + " is input-only";
    }
    target.visual = visual_of(display, attributes);
    if (!target.visual) return "cannot read the visual of window " + window_name(window);
    XSelectInput(display, window, StructureNotifyMask);
    target.drawable = target.watched = window;
    target.own = false;
    target.width = attributes.width;
    target.height = attributes.height;
    return "";
}
