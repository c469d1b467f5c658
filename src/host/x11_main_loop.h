// The saver's loop on X: one frame per 50 ms tick, X events and stop signals
// in between, asleep otherwise.
#pragma once

#include <X11/Xlib.h>

#include "host/x11_close_rules.h"
#include "host/x11_fps_overlay.h"
#include "host/x11_frame_clock.h"
#include "host/x11_glx_context.h"
#include "host/x11_window.h"

// Runs until user input (by `rules`), a stop signal or the end of the
// watched window; returns the exit code: 0, or 1 after an X error that is
// reported on stderr. The saver must have been created on `target`.
int run_x11_main_loop(Display* display, x11_target& target, x11_glx_context& context,
                      const x11_close_rules& rules, x11_fps_overlay* overlay);

// Sleeps until the clock's next tick, input from the X server or a stop
// signal, whichever comes first.
void wait_for_tick(Display* display, const x11_frame_clock& clock);
