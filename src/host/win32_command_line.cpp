#include "host/win32_command_line.h"

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

const char* skip_blanks(const char* p) {
    while (is_blank(*p)) ++p;
    return p;
}

// Reads "[blanks or ':'] [decimal] [blanks]" up to the end of the text.
// Handles are at most 64 bits wide; anything longer is malformed.
win32_command_error read_handle(const char* p, bool& present, std::uint64_t& window) {
    p = skip_blanks(p);
    if (*p == ':') p = skip_blanks(p + 1);
    present = *p != '\0';
    window = 0;
    if (!present) return win32_command_error::none;
    if (*p < '0' || *p > '9') return win32_command_error::malformed_handle;
    for (; *p >= '0' && *p <= '9'; ++p) {
        const std::uint64_t digit = static_cast<std::uint64_t>(*p - '0');
        if (window > (UINT64_MAX - digit) / 10) return win32_command_error::malformed_handle;
        window = window * 10 + digit;
    }
    if (*skip_blanks(p) != '\0') return win32_command_error::malformed_handle;
    return win32_command_error::none;
}

}  // namespace

win32_command parse_win32_command_line(const char* arguments) {
    win32_command command;
    if (arguments == nullptr) return command;
    const char* p = arguments;
    while (is_blank(*p) || *p == '-' || *p == '/') ++p;
    if (*p == '\0') return command;

    bool needs_handle = true;
    switch (*p | 0x20) {  // ASCII letters to lower case
        case 's':
            command.mode = win32_mode::full_screen;
            return command;  // whatever follows the letter is not ours to judge
        case 'p':
        case 'l':
            command.mode = win32_mode::preview;
            break;
        case 'a':
            command.mode = win32_mode::password_change;
            break;
        case 'c':
            command.mode = win32_mode::settings;
            needs_handle = false;  // an owner window is optional, and 0 means none
            break;
        default:
            command.error = win32_command_error::unknown_mode;
            return command;
    }

    bool present = false;
    command.error = read_handle(p + 1, present, command.window);
    if (command.error != win32_command_error::none || !needs_handle) return command;
    if (!present) {
        command.error = win32_command_error::missing_handle;
    } else if (command.window == 0) {
        command.error = win32_command_error::zero_handle;
    }
    return command;
}
