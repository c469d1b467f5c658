#include "host/x11_run.h"

#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "host/command_line_text.h"
#include "host/x11_close_rules.h"
#include "host/x11_errors.h"
#include "host/x11_fps_overlay.h"
#include "host/x11_glx_context.h"
#include "host/x11_main_loop.h"
#include "host/x11_options.h"
#include "host/x11_signals.h"
#include "host/x11_window.h"
#include "saver/saver_events.h"

namespace {

// With `display` open, a round trip first: when the failure was the
// connection going away, that ends the program with the one line saying so
// instead of a misleading one before it.
int fail(const std::string& message, int code, Display* display = nullptr) {
    if (display) XSync(display, False);
    std::fprintf(stderr, "quillmere: %s\n", message.c_str());
    return code;
}

struct display_closer {
    void operator()(Display* d) const { XCloseDisplay(d); }
};

std::string open_target(Display* display, const x11_options& o, x11_target& target) {
    switch (o.mode) {
    case x11_mode::full_screen:
        return open_full_screen_window(display, target);
    case x11_mode::preview:
        return open_preview_window(display, o.window_id, target);
    case x11_mode::foreign:
        return adopt_foreign_window(display, o.window_id, target);
    default:
        return open_standalone_window(display, target);
    }
}

x11_close_mode close_mode(x11_mode mode) {
    if (mode == x11_mode::window) return x11_close_mode::standalone;
    if (mode == x11_mode::full_screen) return x11_close_mode::full_screen;
    return x11_close_mode::embedded;
}

// Draws until the run ends, with the context current on the target.
int draw(Display* display, const x11_options& o, x11_target& target) {
    std::unique_ptr<x11_glx_context> context;
    try {
        context = std::make_unique<x11_glx_context>(display, *target.visual, target.drawable);
    } catch (const std::runtime_error& e) {
        return x11_window_gone() ? 0 : fail(e.what(), 1, display);
    }
    if (glGetString(GL_VERSION) == nullptr) return fail("the OpenGL context does not answer", 1, display);

    saver_create(target.width, target.height);
    std::unique_ptr<x11_fps_overlay> overlay;
    if (o.fps) overlay = std::make_unique<x11_fps_overlay>(display);
    const x11_close_rules rules(close_mode(o.mode), XInternAtom(display, "WM_DELETE_WINDOW", False),
                                target.pointer_x, target.pointer_y);
    const int code = run_x11_main_loop(display, target, *context, rules, overlay.get());
    saver_destroy();
    return code;
}

}  // namespace

int x11_run(const std::vector<std::string>& args) {
    const x11_parse parsed = parse_x11_options(args, std::getenv("XSCREENSAVER_WINDOW"));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "quillmere: %s\n", parsed.error.c_str());
        if (parsed.show_usage) std::fputs(x11_usage, stderr);
        return 2;
    }
    const x11_options& o = parsed.options;
    switch (o.mode) {
    case x11_mode::help:
        std::fputs(x11_usage, stdout);
        return 0;
    case x11_mode::settings:  // the saver has no settings
    case x11_mode::password:  // X has no saver password to change
        return 0;
    default:
        break;
    }

    install_stop_signals();
    install_x11_error_handlers();
    const char* name = o.display.empty() ? nullptr : o.display.c_str();
    std::unique_ptr<Display, display_closer> display(XOpenDisplay(name));
    const std::string shown = printable(XDisplayName(name));
    if (!display) return fail("cannot open display '" + shown + "'", 1);
    guard_x11_connection(display.get());
    int glx_error_base = 0, glx_event_base = 0;
    if (!glXQueryExtension(display.get(), &glx_error_base, &glx_event_base)) {
        return fail("display '" + shown + "' has no GLX", 1, display.get());
    }
    set_glx_error_base(glx_error_base);

    const bool names_window = o.mode == x11_mode::preview ||
                              (o.mode == x11_mode::foreign && o.window_id != 0);
    XWindowAttributes attributes;
    if (names_window && !read_attributes(display.get(), o.window_id, attributes)) {
        return fail("no window " + window_name(o.window_id) + " on this display", 2, display.get());
    }

    x11_target target;
    const std::string error = open_target(display.get(), o, target);
    if (!error.empty()) return x11_window_gone() ? 0 : fail(error, 1, display.get());
    const std::string unusable = check_gl_visual(display.get(), *target.visual);
    int code = unusable.empty() ? draw(display.get(), o, target) : fail(unusable, 1, display.get());
    if (target.own && !x11_window_gone()) XDestroyWindow(display.get(), target.drawable);
    return code;
}
