// The offscreen mode: renders frames on an EGL pbuffer and writes the
// snapshot, pattern and trace the command line asks for.
#pragma once

#include <string>
#include <vector>

// Runs with the arguments after the program name; returns the exit code
// (0 done, 1 no GL or an output that cannot be written, 2 bad command line).
int headless_run(const std::vector<std::string>& args);
