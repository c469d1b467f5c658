// gtest first: Xlib defines None, a name gtest uses.
#include <gtest/gtest.h>

#include "x11_test_server.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

[[noreturn]] void exec_child(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                             int error_fd) {
    if (error_fd >= 0) dup2(error_fd, STDERR_FILENO);
    const int null_fd = open("/dev/null", O_RDWR);
    dup2(null_fd, STDIN_FILENO);
    dup2(null_fd, STDOUT_FILENO);
    std::vector<char*> args, vars;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (const auto& v : env) vars.push_back(const_cast<char*>(v.c_str()));
    vars.push_back(nullptr);
    execve(args[0], args.data(), vars.data());
    _exit(127);
}

// The test's own environment without the variables that choose a window.
std::vector<std::string> child_environment(const std::string& display,
                                           const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "XSCREENSAVER_WINDOW=", 20) != 0 &&
            std::strncmp(*e, "LSAN_OPTIONS=", 13) != 0) {
            env.emplace_back(*e);
        }
    }
    if (!display.empty()) env.push_back("DISPLAY=" + display);
    // In sanitizer builds: Mesa's GLX driver leaks a few blocks at exit from a
    // module it has already unloaded, which no suppression can name.
    env.emplace_back("LSAN_OPTIONS=detect_leaks=0");
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

std::string find_in_path(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = dir + "/" + tool;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return tool;
}

}  // namespace

xvfb_server::xvfb_server() {
    int fds[2];
    if (pipe(fds) != 0) {
        ADD_FAILURE() << "pipe";
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const std::string screen =
            std::to_string(width) + "x" + std::to_string(height) + "x24";
        exec_child({find_in_path("Xvfb"), "-displayfd", std::to_string(fds[1]), "-screen", "0",
                    screen, "-br", "-nolisten", "tcp", "-noreset"},
                   child_environment("", {}), open("/dev/null", O_WRONLY));
    }
    close(fds[1]);
    // Xvfb writes its display number once it accepts clients.
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) {
        ADD_FAILURE() << "Xvfb did not start";
        return;
    }
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
    if (display_ == nullptr) ADD_FAILURE() << "cannot open " << name_;
}

xvfb_server::~xvfb_server() {
    if (display_) XCloseDisplay(display_);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

void xvfb_server::kill_server(int signal) {
    if (display_) XCloseDisplay(display_);
    display_ = nullptr;
    if (pid_ > 0) {
        kill(pid_, signal);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

Window xvfb_server::make_window(int x, int y, int w, int h) {
    const int screen = DefaultScreen(display_);
    const Window window = XCreateSimpleWindow(display_, RootWindow(display_, screen), x, y,
                                              static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
                                              0, BlackPixel(display_, screen));
    XMapWindow(display_, window);
    XSync(display_, False);
    return window;
}

child_run::child_run(const std::vector<std::string>& argv, const std::string& display,
                     const std::vector<std::string>& env) {
    char path[] = "/tmp/quillmere-test-stderr-XXXXXX";
    const int error_fd = mkstemp(path);
    error_path_ = path;
    const auto vars = child_environment(display, env);
    pid_ = fork();
    if (pid_ == 0) exec_child(argv, vars, error_fd);
    close(error_fd);
}

child_run::~child_run() {
    if (running()) {
        kill(pid_, SIGKILL);
        wait_exit(5000);
    }
    unlink(error_path_.c_str());
}

bool child_run::running() { return wait_exit(0) == -1; }

int child_run::wait_exit(int limit_ms) {
    if (!reaped_ && pid_ > 0) {
        const bool done = eventually([this] { return waitpid(pid_, &status_, WNOHANG) == pid_; },
                                     limit_ms);
        reaped_ = done;
    }
    if (!reaped_) return -1;
    if (WIFEXITED(status_)) return WEXITSTATUS(status_);
    return 128 + WTERMSIG(status_);
}

void child_run::signal(int number) {
    if (!reaped_) kill(pid_, number);
}

std::string child_run::error_text() const {
    std::ifstream in(error_path_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string hex(Window window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(window));
    return text;
}

std::vector<std::string> quillmere(std::vector<std::string> args) {
    args.insert(args.begin(), QUILLMERE_PROGRAM);
    return args;
}

bool xdotool(const xvfb_server& server, const std::vector<std::string>& args) {
    std::vector<std::string> argv{find_in_path("xdotool")};
    argv.insert(argv.end(), args.begin(), args.end());
    child_run run(argv, server.name());
    return run.wait_exit(10000) == 0;
}

bool eventually(const std::function<bool()>& condition, int limit_ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

long count_pixels(Display* display, int x, int y, int w, int h,
                  const std::function<bool(unsigned long)>& wanted) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (image == nullptr) return 0;
    long count = 0;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (wanted(XGetPixel(image, i, j) & 0xffffffu)) ++count;
        }
    }
    XDestroyImage(image);
    return count;
}

bool shows_pattern(Display* display, int x, int y, int w, int h) {
    const auto brightest = [](unsigned long p) {
        return std::max({(p >> 16) & 0xffu, (p >> 8) & 0xffu, p & 0xffu});
    };
    const long lit = count_pixels(display, x, y, w, h, [&](unsigned long p) { return brightest(p) > 40; });
    const long dark = count_pixels(display, x, y, w, h, [&](unsigned long p) { return brightest(p) < 8; });
    const long area = static_cast<long>(w) * h;
    return lit * 10 > area && dark * 10 > area;
}
