// What the tests of the X11 program share: an Xvfb of their own on a free
// display, runs of the program (or of xdotool) on it, and reading its screen.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// A private Xvfb (black root, GLX) and a connection to it.
class xvfb_server {
public:
    static constexpr int width = 640;
    static constexpr int height = 480;

    xvfb_server();  // fails the test (fatally) when Xvfb does not start
    ~xvfb_server();
    xvfb_server(const xvfb_server&) = delete;
    xvfb_server& operator=(const xvfb_server&) = delete;

    const std::string& name() const { return name_; }
    Display* display() const { return display_; }

    // A mapped top-level window in the default visual.
    Window make_window(int x, int y, int w, int h);

    // Ends the server at once with `signal`, as a crash would; the test's
    // own connection is closed first so that it cannot see the loss.
    void kill_server(int signal);

private:
    pid_t pid_ = -1;
    std::string name_;
    Display* display_ = nullptr;
};

// A child process with stderr captured; killed if it is still running at
// the end of the test.
class child_run {
public:
    // `display` empty: no $DISPLAY. `env` adds "NAME=value" entries.
    child_run(const std::vector<std::string>& argv, const std::string& display,
              const std::vector<std::string>& env = {});
    ~child_run();
    child_run(const child_run&) = delete;
    child_run& operator=(const child_run&) = delete;

    bool running();
    // The exit code once it has exited within `limit_ms`; 128 + the signal
    // when a signal ended it; -1 when it is still running.
    int wait_exit(int limit_ms);
    void signal(int number);
    std::string error_text() const;

    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int status_ = -1;
    bool reaped_ = false;
    std::string error_path_;
};

// A window id as the program's -window-id takes it, in hex.
std::string hex(Window window);

// The program under test with these arguments.
std::vector<std::string> quillmere(std::vector<std::string> args);

// Runs xdotool with `args` to its end on `server`; true when it succeeded.
bool xdotool(const xvfb_server& server, const std::vector<std::string>& args);

// Polls `condition` every 20 ms until it holds or `limit_ms` has passed; the
// limit is a guard against hangs, not a measure of speed.
bool eventually(const std::function<bool()>& condition, int limit_ms = 15000);

// How many pixels of the screen area have a colour (0xRRGGBB) for which
// `wanted` holds.
long count_pixels(Display* display, int x, int y, int w, int h,
                  const std::function<bool(unsigned long)>& wanted);

// Whether the screen area shows the parity pattern: both a good share of lit
// pixels and a good share of dark ones (not black, not a flat fill).
bool shows_pattern(Display* display, int x, int y, int w, int h);
