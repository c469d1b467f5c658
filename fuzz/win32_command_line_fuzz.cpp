// The Windows screen-saver command line: any text gives a mode and a handle
// that agree with each other, or an error that says why not; leading '-', '/'
// and blanks and the case of the letter change nothing, and an accepted
// handle reads back the same when written out again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/win32_command_line.h"

namespace {

bool same(const win32_command& a, const win32_command& b) {
    return a.mode == b.mode && a.window == b.window && a.error == b.error;
}

bool needs_handle(win32_mode mode) {
    return mode == win32_mode::preview || mode == win32_mode::password_change;
}

void check(const win32_command& c) {
    using error = win32_command_error;
    switch (c.error) {
    case error::none:
        if (needs_handle(c.mode) && c.window == 0) std::abort();
        if (c.mode == win32_mode::full_screen && c.window != 0) std::abort();
        break;
    case error::missing_handle:
    case error::zero_handle:
        if (!needs_handle(c.mode)) std::abort();
        break;
    case error::malformed_handle:
        if (c.mode == win32_mode::full_screen) std::abort();
        break;
    case error::unknown_mode:
        break;
    default:
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The parser reads a C string: a NUL byte ends the line.
    const std::string line(reinterpret_cast<const char*>(data), size);
    const win32_command c = parse_win32_command_line(line.c_str());
    check(c);

    for (const char* prefix : {"-", "/", " ", "\t"}) {
        if (!same(parse_win32_command_line((prefix + line).c_str()), c)) std::abort();
    }

    const std::size_t letter = line.find_first_not_of(" \t-/");
    if (letter != std::string::npos && line[letter] != '\0') {
        std::string flipped = line;
        const char l = flipped[letter];
        if (l >= 'a' && l <= 'z') flipped[letter] = static_cast<char>(l - 'a' + 'A');
        if (l >= 'A' && l <= 'Z') flipped[letter] = static_cast<char>(l - 'A' + 'a');
        if (!same(parse_win32_command_line(flipped.c_str()), c)) std::abort();

        if (c.error == win32_command_error::none && c.mode != win32_mode::full_screen &&
            c.window != 0) {
            const std::string written = "/" + std::string(1, line[letter]) + " " + std::to_string(c.window);
            if (!same(parse_win32_command_line(written.c_str()), c)) std::abort();
        }
    }
    return 0;
}
