// The floor as an X program: floor_frame drawn into the root window once a
// 50 ms tick and swapped, with the saver's context setup, pacing, event
// draining and stop signals, until SIGTERM. bench/x11_cpu.sh sets its
// whole-process CPU beside the saver's. Takes -root for symmetry with the
// saver's command line, and nothing else.
#include <GL/glx.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "floor_frame.h"
#include "host/x11_errors.h"
#include "host/x11_glx_context.h"
#include "host/x11_main_loop.h"
#include "host/x11_signals.h"
#include "host/x11_window.h"

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "x11_floor: %s\n", message.c_str());
    return 1;
}

int run(Display* display) {
    x11_target target;
    std::string error = adopt_foreign_window(display, None, target);
    if (error.empty()) error = check_gl_visual(display, *target.visual);
    if (!error.empty()) return fail(error);
    std::unique_ptr<x11_glx_context> context;
    try {
        context = std::make_unique<x11_glx_context>(display, *target.visual, target.drawable);
    } catch (const std::runtime_error& e) {
        return fail(e.what());
    }
    auto floor = std::make_unique<floor_frame>(target.width, target.height);

    x11_frame_clock clock(monotonic_ns());
    while (!stop_requested()) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);  // the root's structure events: nothing to do
        }
        if (clock.due(monotonic_ns())) {
            floor->render();
            context->swap();
            clock.frame_done(monotonic_ns());
            continue;
        }
        wait_for_tick(display, clock);
    }
    floor.reset();  // its texture belongs to the context
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-root") != 0) return fail(std::string("unknown option ") + argv[i]);
    }
    install_stop_signals();
    install_x11_error_handlers();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return fail("cannot open the display");
    guard_x11_connection(display);
    int glx_error_base = 0, glx_event_base = 0;
    if (!glXQueryExtension(display, &glx_error_base, &glx_event_base)) return fail("no GLX");
    set_glx_error_base(glx_error_base);
    const int code = run(display);
    XCloseDisplay(display);
    return code;
}
