// gtest first: Xlib defines None, a name gtest uses.
#include <gtest/gtest.h>

#include "host/x11_close_rules.h"

#include <X11/keysym.h>

namespace {

constexpr Atom delete_window = 301;
constexpr int start_x = 320;
constexpr int start_y = 240;

XEvent of_type(int type) {
    XEvent e{};
    e.type = type;
    return e;
}

XEvent key_press() { return of_type(KeyPress); }

XEvent button_press() { return of_type(ButtonPress); }

XEvent motion_to(int x, int y) {
    XEvent e{};
    e.type = MotionNotify;
    e.xmotion.x_root = x;
    e.xmotion.y_root = y;
    return e;
}

XEvent focus_out(int mode, int detail) {
    XEvent e{};
    e.type = FocusOut;
    e.xfocus.mode = mode;
    e.xfocus.detail = detail;
    return e;
}

XEvent client_message(Atom what) {
    XEvent e{};
    e.type = ClientMessage;
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(what);
    return e;
}

struct rule_case {
    const char* what;
    x11_close_mode mode;
    XEvent event;
    KeySym key;
    bool closes;
};

TEST(x11_close_rules, each_mode_ends_on_its_own_input) {
    using m = x11_close_mode;
    const int t = x11_motion_threshold;
    const rule_case cases[] = {
        {"standalone q", m::standalone, key_press(), XK_q, true},
        {"standalone Q", m::standalone, key_press(), XK_Q, true},
        {"standalone Escape", m::standalone, key_press(), XK_Escape, true},
        {"standalone other key", m::standalone, key_press(), XK_a, false},
        {"standalone close", m::standalone, client_message(delete_window), NoSymbol, true},
        {"standalone other message", m::standalone, client_message(delete_window + 1), NoSymbol,
         false},
        {"standalone click", m::standalone, button_press(), NoSymbol, false},
        {"standalone focus loss", m::standalone, focus_out(NotifyNormal, NotifyNonlinear),
         NoSymbol, false},
        {"full screen any key", m::full_screen, key_press(), XK_a, true},
        {"full screen click", m::full_screen, button_press(), NoSymbol, true},
        {"full screen motion at the start", m::full_screen, motion_to(start_x, start_y),
         NoSymbol, false},
        {"full screen 1 pixel jitter", m::full_screen, motion_to(start_x + 1, start_y - 1),
         NoSymbol, false},
        {"full screen at the threshold", m::full_screen, motion_to(start_x - t, start_y + t),
         NoSymbol, false},
        {"full screen beyond it in x", m::full_screen, motion_to(start_x + t + 1, start_y),
         NoSymbol, true},
        {"full screen beyond it in y", m::full_screen, motion_to(start_x, start_y - t - 1),
         NoSymbol, true},
        {"full screen focus taken", m::full_screen, focus_out(NotifyNormal, NotifyNonlinear),
         NoSymbol, true},
        {"full screen focus taken under a grab", m::full_screen,
         focus_out(NotifyWhileGrabbed, NotifyAncestor), NoSymbol, true},
        {"full screen our own grab", m::full_screen, focus_out(NotifyGrab, NotifyNonlinear),
         NoSymbol, false},
        {"full screen our own ungrab", m::full_screen, focus_out(NotifyUngrab, NotifyNonlinear),
         NoSymbol, false},
        {"full screen focus to a child", m::full_screen, focus_out(NotifyNormal, NotifyInferior),
         NoSymbol, false},
        {"full screen pointer focus", m::full_screen, focus_out(NotifyNormal, NotifyPointer),
         NoSymbol, false},
        {"full screen key release", m::full_screen, of_type(KeyRelease), NoSymbol, false},
        {"full screen exposure", m::full_screen, of_type(Expose), NoSymbol, false},
        {"embedded key", m::embedded, key_press(), XK_q, false},
        {"embedded click", m::embedded, button_press(), NoSymbol, false},
        {"embedded motion", m::embedded, motion_to(0, 0), NoSymbol, false},
        {"embedded close", m::embedded, client_message(delete_window), NoSymbol, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const x11_close_rules rules(c.mode, delete_window, start_x, start_y);
        EXPECT_EQ(rules.closes(c.event, c.key), c.closes);
    }
}

}  // namespace
