#include "host/command_line_text.h"

#include <cstdio>

std::string printable(const std::string& text) {
    constexpr std::size_t longest = 60;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (out.size() >= longest) {
            out += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7e) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
