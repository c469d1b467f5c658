// The command line of the offscreen mode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct headless_options {
    int width = 1024;  // client size, pixels; 0 is an empty drawable
    int height = 768;
    long frames = 100;
    bool seeded = false;  // without a seed the clock seeds the random source
    std::uint32_t seed = 0;
    std::string snapshot;  // PNG path, or empty
    std::string pattern;   // PNG path, or empty
    std::string trace;     // CSV path, "-" for stdout, or empty
    bool help = false;
    bool version = false;
};

struct headless_parse {
    headless_options options;
    std::string error;  // one line naming the problem; empty when the line is good
};

// Parses the arguments after the program name. Accepts --headless and each
// option's value either as the next argument or after "=".
headless_parse parse_headless_options(const std::vector<std::string>& args);

// Parses "WxH" with each side in [0, 16384]; false on anything else.
bool parse_size(const std::string& text, int& width, int& height);

extern const char headless_usage[];
