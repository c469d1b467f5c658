#include <gtest/gtest.h>

#include <cstdint>

#include "host/win32_command_line.h"

namespace {

using error = win32_command_error;
using mode = win32_mode;

struct row {
    const char* line;
    mode expected_mode;
    std::uint64_t window;
    error expected_error;
};

void expect_rows(const row* begin, const row* end) {
    for (const row* r = begin; r != end; ++r) {
        const win32_command c = parse_win32_command_line(r->line);
        EXPECT_EQ(c.error, r->expected_error) << "line '" << r->line << "'";
        if (r->expected_error == error::unknown_mode) continue;
        EXPECT_EQ(c.mode, r->expected_mode) << "line '" << r->line << "'";
        if (r->expected_error != error::none) continue;  // the handle of a bad line is not used
        EXPECT_EQ(c.window, r->window) << "line '" << r->line << "'";
    }
}

}  // namespace

TEST(win32_command_line, modes_from_the_first_letter) {
    const row rows[] = {
        {"/s", mode::full_screen, 0, error::none},
        {"/S", mode::full_screen, 0, error::none},  // what Explorer passes on a double click
        {"  -/-S", mode::full_screen, 0, error::none},
        {"\t/s extra words", mode::full_screen, 0, error::none},
        {"/p 1234", mode::preview, 1234, error::none},
        {"-L 1234", mode::preview, 1234, error::none},
        {"/p:65538", mode::preview, 65538, error::none},
        {"/P\t42  ", mode::preview, 42, error::none},
        {"p42", mode::preview, 42, error::none},
        {"/p 18446744073709551615", mode::preview, UINT64_MAX, error::none},
        {"/a 77", mode::password_change, 77, error::none},
        {"/c", mode::settings, 0, error::none},
        {"/C:3344", mode::settings, 3344, error::none},
        {"/c:0", mode::settings, 0, error::none},
        {"", mode::settings, 0, error::none},
        {"   ", mode::settings, 0, error::none},
        {"//--", mode::settings, 0, error::none},
    };
    expect_rows(std::begin(rows), std::end(rows));
    EXPECT_EQ(parse_win32_command_line(nullptr).mode, mode::settings);
    EXPECT_EQ(parse_win32_command_line(nullptr).error, error::none);
}

TEST(win32_command_line, bad_handles_and_modes_are_errors) {
    const row rows[] = {
        {"/p", mode::preview, 0, error::missing_handle},
        {"/p   ", mode::preview, 0, error::missing_handle},
        {"/p:", mode::preview, 0, error::missing_handle},
        {"/a", mode::password_change, 0, error::missing_handle},
        {"/p 0", mode::preview, 0, error::zero_handle},
        {"/l 000", mode::preview, 0, error::zero_handle},
        {"/a 0", mode::password_change, 0, error::zero_handle},
        {"/p abc", mode::preview, 0, error::malformed_handle},
        {"/p 12abc", mode::preview, 0, error::malformed_handle},
        {"/p 12 34", mode::preview, 0, error::malformed_handle},
        {"/p -5", mode::preview, 0, error::malformed_handle},
        {"/p 0x10", mode::preview, 0, error::malformed_handle},
        {"/p 18446744073709551616", mode::preview, 0, error::malformed_handle},
        {"/p ::5", mode::preview, 0, error::malformed_handle},
        {"/c:abc", mode::settings, 0, error::malformed_handle},
        {"/x", mode::settings, 0, error::unknown_mode},
        {"/1234", mode::settings, 0, error::unknown_mode},
        {"/\xc3\xa9", mode::settings, 0, error::unknown_mode},
    };
    expect_rows(std::begin(rows), std::end(rows));
}
