// The X11 program on a private Xvfb: what it draws, how each mode ends, and
// how it turns away bad input.
// gtest first: Xlib defines None, a name gtest uses.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <signal.h>

#include <string>
#include <vector>

#include "x11_test_server.h"

namespace {

constexpr int w = xvfb_server::width;
constexpr int h = xvfb_server::height;

class x11_program : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(server.display(), nullptr); }

    // Waits (with a guard against hangs) until the area shows the pattern.
    bool pattern_shows(int x, int y, int width, int height) {
        return eventually([&] { return shows_pattern(server.display(), x, y, width, height); });
    }
    bool pattern_shows_in_the_middle() { return pattern_shows(w / 4, h / 4, w / 2, h / 2); }

    // The one top-level window, the program's own, or None.
    Window program_window() {
        Window root, up, *children = nullptr, found = None;
        unsigned count = 0;
        XQueryTree(server.display(), DefaultRootWindow(server.display()), &root, &up, &children,
                   &count);
        if (count == 1) found = children[0];
        if (children) XFree(children);
        return found;
    }

    // Waits for the pattern in the area, then asks the program to stop as
    // the xscreensaver daemon does, and expects a quiet exit 0.
    void expect_pattern_then_quiet_term(child_run& run, int x, int y, int width, int height) {
        EXPECT_TRUE(pattern_shows(x, y, width, height))
            << run.error_text();
        run.signal(SIGTERM);
        EXPECT_EQ(run.wait_exit(10000), 0);
        EXPECT_EQ(run.error_text(), "");
    }

    xvfb_server server;
};

TEST_F(x11_program, own_window_shows_the_pattern) {
    child_run run(quillmere({}), server.name());
    expect_pattern_then_quiet_term(run, w / 4, h / 4, w / 2, h / 2);
}

TEST_F(x11_program, own_window_follows_its_size) {
    child_run run(quillmere({}), server.name());
    ASSERT_TRUE(pattern_shows_in_the_middle());
    Display* d = server.display();
    const Window window = program_window();
    ASSERT_NE(window, None);
    XResizeWindow(d, window, w / 2, h / 2);
    XSync(d, False);
    // The picture is built anew for the smaller window: its blanking disc
    // sits in the new middle, and nothing is drawn beyond the window.
    const auto lit = [](unsigned long p) { return p != 0; };
    EXPECT_TRUE(eventually([&] {
        return count_pixels(d, w / 4 - 10, h / 4 - 10, 20, 20, lit) == 0 &&
               shows_pattern(d, w / 4 - h / 4, 0, h / 2, h / 2) &&
               count_pixels(d, w / 2, 0, w / 2, h, lit) == 0;
    }));
    run.signal(SIGTERM);
    EXPECT_EQ(run.wait_exit(10000), 0);
}

TEST_F(x11_program, full_screen_shows_the_pattern) {
    child_run run(quillmere({"-s"}), server.name());
    expect_pattern_then_quiet_term(run, w / 4, h / 4, w / 2, h / 2);
}

TEST_F(x11_program, root_window_shows_the_pattern) {
    child_run run(quillmere({"-root", "-delay", "20000", "-install"}), server.name());
    expect_pattern_then_quiet_term(run, w / 4, h / 4, w / 2, h / 2);
}

// The test's window is in the default visual, which has no alpha bits.
TEST_F(x11_program, window_id_draws_into_a_window_of_another_client) {
    const Window target = server.make_window(100, 50, 400, 300);
    child_run run(quillmere({"-window-id", hex(target)}), server.name());
    expect_pattern_then_quiet_term(run, 200, 125, 200, 150);
}

TEST_F(x11_program, root_mode_takes_the_daemons_window_from_the_environment) {
    const Window target = server.make_window(200, 100, 300, 300);
    child_run run(quillmere({"--root"}), server.name(),
                  {"XSCREENSAVER_WINDOW=" + std::to_string(target)});
    expect_pattern_then_quiet_term(run, 275, 175, 150, 150);
    // Nothing was drawn outside that window.
    EXPECT_FALSE(shows_pattern(server.display(), 0, 0, 200, h));
}

TEST_F(x11_program, fps_overlay_shows_in_the_corner_over_the_pattern) {
    child_run run(quillmere({"-root", "-fps"}), server.name());
    const auto yellow = [](unsigned long p) {
        return (p >> 16) > 200 && ((p >> 8) & 0xffu) > 200 && (p & 0xffu) < 80;
    };
    EXPECT_TRUE(eventually([&] { return count_pixels(server.display(), 0, h - 30, 160, 30, yellow) > 20; }));
    EXPECT_EQ(count_pixels(server.display(), w / 4, h / 4, w / 2, h / 2, yellow), 0);
    expect_pattern_then_quiet_term(run, w / 4, h / 4, w / 2, h / 2);
}

TEST_F(x11_program, preview_follows_its_parent_and_ends_with_it) {
    const Window parent = server.make_window(40, 40, 320, 240);
    child_run run(quillmere({"-p", std::to_string(parent)}), server.name());
    EXPECT_TRUE(pattern_shows(120, 100, 160, 120))
        << run.error_text();

    XResizeWindow(server.display(), parent, 200, 150);
    XSync(server.display(), False);
    const auto child_size_is = [&](unsigned cw, unsigned ch) {
        Window root, up, *children = nullptr;
        unsigned count = 0;
        XQueryTree(server.display(), parent, &root, &up, &children, &count);
        bool ok = false;
        if (count == 1) {
            XWindowAttributes a;
            XGetWindowAttributes(server.display(), children[0], &a);
            ok = a.width == static_cast<int>(cw) && a.height == static_cast<int>(ch);
        }
        if (children) XFree(children);
        return ok;
    };
    EXPECT_TRUE(eventually([&] { return child_size_is(200, 150); }));

    XDestroyWindow(server.display(), parent);
    XSync(server.display(), False);
    EXPECT_EQ(run.wait_exit(10000), 0);
    EXPECT_EQ(run.error_text(), "");
}

TEST_F(x11_program, window_id_ends_quietly_when_the_window_goes) {
    const Window target = server.make_window(0, 0, 200, 200);
    child_run run(quillmere({"-window-id", std::to_string(target)}), server.name());
    EXPECT_TRUE(pattern_shows(50, 50, 100, 100));
    XDestroyWindow(server.display(), target);
    XSync(server.display(), False);
    EXPECT_EQ(run.wait_exit(10000), 0);
    EXPECT_EQ(run.error_text(), "");
}

struct input_case {
    const char* what;
    std::vector<std::string> xdotool_args;
};

class x11_full_screen_input : public x11_program,
                              public ::testing::WithParamInterface<input_case> {};

// "{other}" in the arguments stands for another client's window, made
// before the saver starts, that can take the focus.
TEST_P(x11_full_screen_input, ends_full_screen) {
    const Window other = server.make_window(0, 0, 10, 10);
    child_run run(quillmere({"-s"}), server.name());
    ASSERT_TRUE(pattern_shows_in_the_middle());
    std::vector<std::string> args = GetParam().xdotool_args;
    for (auto& a : args) {
        if (a == "{other}") a = std::to_string(other);
    }
    ASSERT_TRUE(xdotool(server, args));
    EXPECT_EQ(run.wait_exit(10000), 0) << run.error_text();
}

INSTANTIATE_TEST_SUITE_P(
    input, x11_full_screen_input,
    ::testing::Values(input_case{"key", {"key", "space"}}, input_case{"click", {"click", "1"}},
                      input_case{"move", {"mousemove_relative", "--", "6", "0"}},
                      input_case{"focus_loss", {"windowfocus", "{other}"}}),
    [](const auto& info) { return std::string(info.param.what); });

class x11_own_window_input : public x11_program,
                             public ::testing::WithParamInterface<input_case> {};

// With no window manager the key goes to the window under the pointer,
// which starts in the middle of the screen, over the saver's window.
TEST_P(x11_own_window_input, ends_the_own_window) {
    child_run run(quillmere({}), server.name());
    ASSERT_TRUE(pattern_shows_in_the_middle());
    // A click and another key leave it running.
    ASSERT_TRUE(xdotool(server, {"click", "1"}));
    ASSERT_TRUE(xdotool(server, {"key", "a"}));
    EXPECT_EQ(run.wait_exit(200), -1);
    ASSERT_TRUE(xdotool(server, GetParam().xdotool_args));
    EXPECT_EQ(run.wait_exit(10000), 0) << run.error_text();
}

INSTANTIATE_TEST_SUITE_P(
    input, x11_own_window_input,
    ::testing::Values(input_case{"q", {"key", "q"}}, input_case{"shift_q", {"key", "shift+q"}},
                      input_case{"escape", {"key", "Escape"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(x11_program, own_window_ends_on_the_window_managers_close) {
    child_run run(quillmere({}), server.name());
    ASSERT_TRUE(pattern_shows_in_the_middle());
    Display* d = server.display();
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = program_window();
    ASSERT_NE(close.xclient.window, None);
    close.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, close.xclient.window, False, NoEventMask, &close);
    XSync(d, False);
    EXPECT_EQ(run.wait_exit(10000), 0) << run.error_text();
}

TEST_F(x11_program, full_screen_survives_a_one_pixel_jitter) {
    child_run run(quillmere({"-s"}), server.name());
    ASSERT_TRUE(pattern_shows_in_the_middle());
    ASSERT_TRUE(xdotool(server, {"mousemove_relative", "--", "1", "0"}));
    ASSERT_TRUE(xdotool(server, {"mousemove_relative", "--", "-1", "1"}));
    // Still drawing a few frames later; then a key still ends it, so the
    // jitter did reach it.
    EXPECT_EQ(run.wait_exit(300), -1);
    ASSERT_TRUE(xdotool(server, {"key", "a"}));
    EXPECT_EQ(run.wait_exit(10000), 0);
}

struct bad_input_case {
    const char* what;
    std::vector<std::string> args;
    bool with_display;
    std::vector<std::string> env;
    int exit_code;
    const char* says;  // part of the one line on stderr; null: stderr stays empty
};

TEST_F(x11_program, bad_input_gets_one_line_and_an_exit_code) {
    const bad_input_case cases[] = {
        {"unknown option", {"--bogus"}, true, {}, 2, "unknown option '--bogus'"},
        {"malformed id", {"-window-id", "12zz"}, true, {}, 2, "bad window id '12zz'"},
        {"malformed preview id", {"/p", "0x"}, true, {}, 2, "bad window id '0x'"},
        {"no such window", {"-window-id", "0x1fffffff"}, true, {}, 2, "no window 0x1fffffff"},
        {"no such parent", {"-p", "536870911"}, true, {}, 2, "no window 0x1fffffff"},
        {"malformed daemon window", {"-root"}, true, {"XSCREENSAVER_WINDOW=12zz"}, 2,
         "bad window id '12zz'"},
        {"no display", {}, false, {}, 1, "cannot open display"},
        {"no display in full screen", {"-s"}, false, {}, 1, "cannot open display"},
        {"display that is not there", {"-display", ":32767"}, true, {}, 1,
         "cannot open display ':32767'"},
        {"settings", {"-c"}, false, {}, 0, nullptr},
        {"password", {"/A", "1234"}, false, {}, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        child_run run(quillmere(c.args), c.with_display ? server.name() : "", c.env);
        EXPECT_EQ(run.wait_exit(10000), c.exit_code);
        const std::string text = run.error_text();
        if (c.says == nullptr) {
            EXPECT_EQ(text, "");
            continue;
        }
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        // One line, except that an unknown option is followed by the usage.
        if (c.exit_code != 2 || std::string(c.what) != "unknown option") {
            EXPECT_EQ(text.find('\n'), text.size() - 1) << text;
        } else {
            EXPECT_NE(text.find("usage:"), std::string::npos) << text;
        }
    }
}

}  // namespace
