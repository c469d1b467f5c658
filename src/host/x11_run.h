// The X11 program: standalone window, full screen, preview and xscreensaver hack.
#pragma once

#include <string>
#include <vector>

// Runs with the arguments after the program name; returns the exit code
// (0 done or the window went away, 1 no display, GL or an X error,
// 2 bad command line or window id).
int x11_run(const std::vector<std::string>& args);
