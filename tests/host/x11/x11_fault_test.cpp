// Faults the X11 program must survive at any moment: its window destroyed
// by another client, the X server going away, SIGTERM from the daemon. Each
// case is run at several delays, so that the fault lands in different places
// of the start-up and of the 50 ms tick.
// gtest first: Xlib defines None, a name gtest uses.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <signal.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "x11_test_server.h"

namespace {

constexpr int w = xvfb_server::width;
constexpr int h = xvfb_server::height;

// Where a delay is counted from.
enum class anchor {
    spawn,    // the program was just started
    adopted,  // it has taken the test's window (selected its structure events)
    drawing,  // the pattern shows, so frames are being drawn
};

struct fault_moment {
    anchor from;
    int delay_ms;
};

std::string describe(const fault_moment& m) {
    const char* names[] = {"spawn", "adopted", "drawing"};
    return std::string(names[static_cast<int>(m.from)]) + " + " + std::to_string(m.delay_ms) + " ms";
}

// Every phase of the tick gets hit: delays spread over 50 ms and past it.
const std::vector<int> tick_delays = {0, 3, 11, 19, 26, 34, 42, 49, 77};

std::vector<fault_moment> moments(anchor from, const std::vector<int>& delays) {
    std::vector<fault_moment> out;
    for (int d : delays) out.push_back({from, d});
    return out;
}

bool adopted(Display* d, Window window) {
    XWindowAttributes a;
    return XGetWindowAttributes(d, window, &a) && (a.all_event_masks & StructureNotifyMask);
}

// Waits for the moment (with a guard against hangs); false when it never came.
bool wait_for(const fault_moment& m, Display* d, Window window, int x, int y, int width, int height) {
    bool reached = true;
    if (m.from == anchor::adopted) reached = eventually([&] { return adopted(d, window); });
    if (m.from == anchor::drawing) reached = eventually([&] { return shows_pattern(d, x, y, width, height); });
    std::this_thread::sleep_for(std::chrono::milliseconds(m.delay_ms));
    return reached;
}

int line_count(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

TEST(x11_faults, window_destroyed_at_any_moment_ends_quietly) {
    xvfb_server server;
    ASSERT_NE(server.display(), nullptr);
    Display* d = server.display();
    std::vector<fault_moment> cases = moments(anchor::adopted, tick_delays);
    for (const auto& m : moments(anchor::drawing, tick_delays)) cases.push_back(m);
    for (const auto& m : cases) {
        SCOPED_TRACE(describe(m));
        const Window target = server.make_window(100, 100, 300, 200);
        child_run run(quillmere({"-window-id", hex(target)}), server.name());
        EXPECT_TRUE(wait_for(m, d, target, 150, 125, 200, 150)) << run.error_text();
        XDestroyWindow(d, target);
        XSync(d, False);
        EXPECT_EQ(run.wait_exit(10000), 0);
        EXPECT_EQ(run.error_text(), "");
    }
}

// A lost server is an error: a non-zero exit with one line, by the
// program's own hand rather than by a signal, and never a hang.
TEST(x11_faults, server_going_away_ends_with_one_line) {
    std::vector<fault_moment> cases = moments(anchor::spawn, {20, 40, 60, 90, 130, 200, 300});
    for (const auto& m : moments(anchor::drawing, {0, 17, 33, 49})) cases.push_back(m);
    for (const auto& m : cases) {
        SCOPED_TRACE(describe(m));
        xvfb_server server;
        ASSERT_NE(server.display(), nullptr);
        child_run run(quillmere({"-root"}), server.name());
        EXPECT_TRUE(wait_for(m, server.display(), None, w / 4, h / 4, w / 2, h / 2)) << run.error_text();
        server.kill_server(SIGKILL);
        const int code = run.wait_exit(10000);
        EXPECT_GT(code, 0);
        EXPECT_LT(code, 128);
        const std::string text = run.error_text();
        EXPECT_EQ(line_count(text), 1) << text;
        EXPECT_EQ(text.rfind("quillmere: ", 0), 0u) << text;
    }
}

// The daemon's SIGTERM ends the program with 0 and nothing on stderr. Only
// before the program has got as far as its handlers may the signal itself
// end it, as it would any process.
TEST(x11_faults, sigterm_at_any_moment_ends_quietly) {
    xvfb_server server;
    ASSERT_NE(server.display(), nullptr);
    std::vector<fault_moment> cases = moments(anchor::spawn, {0, 5, 20, 40, 60, 100, 150});
    for (const auto& m : moments(anchor::drawing, tick_delays)) cases.push_back(m);
    for (const auto& m : cases) {
        SCOPED_TRACE(describe(m));
        // The last run's picture stays on the root until it is cleared.
        XClearWindow(server.display(), DefaultRootWindow(server.display()));
        XSync(server.display(), False);
        child_run run(quillmere({"-root"}), server.name());
        EXPECT_TRUE(wait_for(m, server.display(), None, w / 4, h / 4, w / 2, h / 2)) << run.error_text();
        run.signal(SIGTERM);
        const int code = run.wait_exit(10000);
        if (m.from == anchor::spawn && code == 128 + SIGTERM) continue;
        EXPECT_EQ(code, 0);
        EXPECT_EQ(run.error_text(), "");
    }
}

}  // namespace
