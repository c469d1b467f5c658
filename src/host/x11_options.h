// The command line of the X11 program: the Windows screen-saver letters and
// the xscreensaver conventions, parsed without touching the X server.
#pragma once

#include <string>
#include <vector>

enum class x11_mode {
    window,       // our own top-level window
    full_screen,  // -s: over the whole virtual screen, closed by user input
    preview,      // -p/-l ID: a child window filling window ID
    foreign,      // -root, -window-id ID: drawing straight into a window not ours
    settings,     // -c: there are no settings
    password,     // -a: nothing to do on X11
    help,
};

struct x11_options {
    x11_mode mode = x11_mode::window;
    // The preview parent or the foreign window; 0 in foreign mode means the
    // default screen's root window.
    unsigned long window_id = 0;
    bool fps = false;
    std::string display;  // -display NAME; empty means $DISPLAY
};

struct x11_parse {
    x11_options options;
    std::string error;  // one line naming the problem; empty when the line is good
    bool show_usage = false;  // an unknown or incomplete option, not a bad value
};

// Parses the arguments after the program name. `xscreensaver_window` is the
// value of $XSCREENSAVER_WINDOW, or null when it is unset; -root uses it.
x11_parse parse_x11_options(const std::vector<std::string>& args, const char* xscreensaver_window);

// An X window id in decimal or 0x hex, non-zero and within 32 bits.
bool parse_window_id(const std::string& text, unsigned long& id);

extern const char x11_usage[];
