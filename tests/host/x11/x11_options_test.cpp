#include "host/x11_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string joined(const std::vector<std::string>& args) {
    std::string line;
    for (const auto& a : args) line += a + " ";
    return line;
}

struct good_case {
    std::vector<std::string> args;
    const char* env;  // $XSCREENSAVER_WINDOW, or null
    x11_mode mode;
    unsigned long window_id;
    bool fps;
};

TEST(x11_options, accepts_every_mode_and_spelling) {
    const good_case cases[] = {
        {{}, nullptr, x11_mode::window, 0, false},
        {{"-window"}, nullptr, x11_mode::window, 0, false},
        {{"-s"}, nullptr, x11_mode::full_screen, 0, false},
        {{"/S"}, nullptr, x11_mode::full_screen, 0, false},
        {{"--s"}, nullptr, x11_mode::full_screen, 0, false},
        {{"-p", "1234"}, nullptr, x11_mode::preview, 1234, false},
        {{"/P", "0x4a"}, nullptr, x11_mode::preview, 0x4a, false},
        {{"-l", "0X4A"}, nullptr, x11_mode::preview, 0x4a, false},
        {{"/p:77"}, nullptr, x11_mode::preview, 77, false},
        {{"-c"}, nullptr, x11_mode::settings, 0, false},
        {{"/c:1234"}, nullptr, x11_mode::settings, 0, false},
        {{"/C", "99"}, nullptr, x11_mode::settings, 0, false},
        {{"-a", "123"}, nullptr, x11_mode::password, 0, false},
        {{"/a"}, nullptr, x11_mode::password, 0, false},
        {{"-root"}, nullptr, x11_mode::foreign, 0, false},
        {{"--root"}, "", x11_mode::foreign, 0, false},
        {{"--root"}, "0x2c00007", x11_mode::foreign, 0x2c00007, false},
        {{"-root"}, "46137351", x11_mode::foreign, 46137351, false},
        {{"-window-id", "0x1e"}, "0x99", x11_mode::foreign, 0x1e, false},
        {{"--window-id=30"}, nullptr, x11_mode::foreign, 30, false},
        {{"-window-id", "5", "-root"}, "7", x11_mode::foreign, 7, false},
        {{"-root", "-window-id", "5"}, "7", x11_mode::foreign, 5, false},
        {{"-root", "-fps"}, nullptr, x11_mode::foreign, 0, true},
        {{"-fps", "-no-fps"}, nullptr, x11_mode::window, 0, false},
        // What the daemon and the settings preview put on a hack's line.
        {{"-root", "-delay", "20000", "-install", "-visual", "default", "-mono", "-pair"},
         nullptr, x11_mode::foreign, 0, false},
        {{"--delay=-5", "--noinstall", "-sync", "-geometry", "10x10+0+0"}, nullptr,
         x11_mode::window, 0, false},
        {{"-s", "-window"}, nullptr, x11_mode::window, 0, false},
        {{"-p", "5", "-s"}, nullptr, x11_mode::full_screen, 0, false},
        {{"-help"}, nullptr, x11_mode::help, 0, false},
        {{"--help"}, nullptr, x11_mode::help, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(joined(c.args));
        const x11_parse p = parse_x11_options(c.args, c.env);
        ASSERT_EQ(p.error, "");
        EXPECT_EQ(p.options.mode, c.mode);
        EXPECT_EQ(p.options.window_id, c.window_id);
        EXPECT_EQ(p.options.fps, c.fps);
    }
}

TEST(x11_options, display_option_names_the_server) {
    EXPECT_EQ(parse_x11_options({"-display", ":3"}, nullptr).options.display, ":3");
    EXPECT_EQ(parse_x11_options({"--display=host:1.0", "-s"}, nullptr).options.display, "host:1.0");
    EXPECT_EQ(parse_x11_options({"-s"}, nullptr).options.display, "");
}

struct bad_case {
    std::vector<std::string> args;
    const char* env;
    bool show_usage;  // unknown or incomplete options get the usage, bad values one line
};

TEST(x11_options, rejects_bad_lines_with_one_line) {
    const bad_case cases[] = {
        {{"-x"}, nullptr, true},
        {{"--bogus"}, nullptr, true},
        {{"/root"}, nullptr, true},  // '/' is for the Windows letters only
        {{"-Root"}, nullptr, true},
        {{"root"}, nullptr, true},
        {{"-"}, nullptr, true},
        {{"--"}, nullptr, true},
        {{"-p"}, nullptr, true},
        {{"-window-id"}, nullptr, true},
        {{"-p", "-s"}, nullptr, true},
        {{"-delay"}, nullptr, true},
        {{"-s=1"}, nullptr, true},
        {{"--fps=yes"}, nullptr, true},
        {{"-p", "12zz"}, nullptr, false},
        {{"-p", "0"}, nullptr, false},
        {{"-p", "0x"}, nullptr, false},
        {{"-p", "0x0"}, nullptr, false},
        {{"-p", "-5"}, nullptr, true},
        {{"-window-id", "4294967296"}, nullptr, false},
        {{"-window-id", "0x100000000"}, nullptr, false},
        {{"-window-id", "12 "}, nullptr, false},
        {{"-window-id", "0xg1"}, nullptr, false},
        {{"-a", "x1"}, nullptr, false},
        {{"-a", "1x"}, nullptr, false},
        {{"-root"}, "junk", false},
        {{"-root"}, "0x", false},
        {{"-window-id", "bad\nline"}, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(joined(c.args));
        const x11_parse p = parse_x11_options(c.args, c.env);
        EXPECT_NE(p.error, "");
        EXPECT_EQ(p.error.find('\n'), std::string::npos);
        EXPECT_EQ(p.show_usage, c.show_usage);
    }
}

TEST(x11_options, window_ids_cover_the_32_bit_range) {
    unsigned long id = 0;
    EXPECT_TRUE(parse_window_id("4294967295", id));
    EXPECT_EQ(id, 4294967295UL);
    EXPECT_TRUE(parse_window_id("0xFFFFFFFF", id));
    EXPECT_EQ(id, 0xffffffffUL);
    EXPECT_TRUE(parse_window_id("0x00000001", id));
    EXPECT_EQ(id, 1UL);
    EXPECT_FALSE(parse_window_id("", id));
    EXPECT_FALSE(parse_window_id("+5", id));
}

}  // namespace
