#include "host/x11_main_loop.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>

#include "host/x11_errors.h"
#include "host/x11_signals.h"
#include "saver/saver_events.h"

namespace {

// Applies one event; false when it ends the run.
bool handle_event(Display* display, const XEvent& event, x11_target& target,
                  const x11_close_rules& rules) {
    switch (event.type) {
    case ConfigureNotify:
        if (event.xconfigure.window == target.drawable) {
            target.width = event.xconfigure.width;
            target.height = event.xconfigure.height;
            saver_resize(target.width, target.height);
        } else if (event.xconfigure.window == target.watched) {
            // The preview's parent changed size: the child follows, and its
            // own ConfigureNotify resizes the saver.
            XResizeWindow(display, target.drawable, static_cast<unsigned>(event.xconfigure.width),
                          static_cast<unsigned>(event.xconfigure.height));
        }
        return true;
    case DestroyNotify:
        return event.xdestroywindow.window != target.watched &&
               event.xdestroywindow.window != target.drawable;
    default: {
        KeySym key = NoSymbol;
        if (event.type == KeyPress) {
            XKeyEvent copy = event.xkey;
            key = XLookupKeysym(&copy, 0);
        }
        return !rules.closes(event, key);
    }
    }
}

void drain(int fd) {
    char bytes[16];
    while (read(fd, bytes, sizeof bytes) > 0) {
    }
}

}  // namespace

int run_x11_main_loop(Display* display, x11_target& target, x11_glx_context& context,
                      const x11_close_rules& rules, x11_fps_overlay* overlay) {
    x11_frame_clock clock(monotonic_ns());
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (!handle_event(display, event, target, rules)) return 0;
        }
        if (stop_requested() || x11_window_gone()) return 0;
        const std::string error = x11_other_error();
        if (!error.empty()) {
            std::fprintf(stderr, "quillmere: %s\n", error.c_str());
            return 1;
        }

        if (clock.due(monotonic_ns())) {
            saver_tick();
            if (overlay) {
                overlay->count_frame(monotonic_ns());
                overlay->draw(target.width, target.height);
            }
            context.swap();
            clock.frame_done(monotonic_ns());
            continue;
        }

        wait_for_tick(display, clock);
    }
}

void wait_for_tick(Display* display, const x11_frame_clock& clock) {
    pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {stop_signal_fd(), POLLIN, 0}};
    const nfds_t count = stop_signal_fd() >= 0 ? 2 : 1;
    if (poll(fds, count, clock.wait_ms(monotonic_ns())) > 0 && (fds[1].revents & POLLIN)) {
        drain(stop_signal_fd());
    }
}
