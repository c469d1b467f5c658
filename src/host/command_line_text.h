// Quoting user input in one-line error messages.
#pragma once

#include <string>

// `text` with control characters and bytes above 0x7e shown as \xNN, and cut
// to about 60 characters, so an error that quotes it stays one short line.
std::string printable(const std::string& text);
