// The screen-saver command line, parsed without any Windows call so that it
// can be tested and fuzzed anywhere.
#pragma once

#include <cstdint>

enum class win32_mode {
    full_screen,      // S
    preview,          // P or L, with the window to fill
    settings,         // C, optionally ":" and the owner window, or no argument
    password_change,  // A, with the owner window
};

enum class win32_command_error {
    none,
    unknown_mode,      // a first letter that is none of S, P, L, C, A
    missing_handle,    // P, L or A with nothing after it
    malformed_handle,  // not a decimal number that fits a handle
    zero_handle,       // P, L or A given window 0
};

struct win32_command {
    win32_mode mode = win32_mode::settings;
    std::uint64_t window = 0;  // the handle in decimal; 0 when none was given
    win32_command_error error = win32_command_error::none;
};

// Parses the arguments after the program name. Leading blanks, '-' and '/'
// are skipped and the first letter, in either case, picks the mode; the
// handle may follow after blanks or a ':'. Whether the handle names a window
// is for the caller to check.
win32_command parse_win32_command_line(const char* arguments);
