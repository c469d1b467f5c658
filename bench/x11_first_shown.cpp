// Time from starting the X11 saver (-root) to the first screenshot that shows
// its pattern, on a private Xvfb of the given size. The screen is polled with
// XGetImage of a strip across the picture; the poll period is printed with
// the figures, as it bounds their resolution.
//   x11_first_shown SAVER WIDTH HEIGHT [RUNS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

double ms_since(clock_type::time_point start) {
    return std::chrono::duration<double, std::milli>(clock_type::now() - start).count();
}

void quiet_output() {
    const int null_fd = open("/dev/null", O_RDWR);
    dup2(null_fd, STDOUT_FILENO);
    dup2(null_fd, STDERR_FILENO);
}

// Starts Xvfb on a free display; returns its pid and sets `name`.
pid_t start_xvfb(int width, int height, std::string& name) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        quiet_output();
        const std::string fd = std::to_string(fds[1]);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-br",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    name = ":" + number;
    return number.empty() ? -1 : pid;
}

// The same test as the program's own tests use: a good share of lit pixels
// and of dark ones, in a strip across the upper middle of the screen (the
// centre itself is left dark by the picture).
bool shows_pattern(Display* display, int width, int height) {
    const int x = width / 4, y = height / 4, w = width / 2, h = 16;
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    long lit = 0, dark = 0;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const unsigned long p = XGetPixel(image, i, j);
            const unsigned long top = std::max({(p >> 16) & 0xffu, (p >> 8) & 0xffu, p & 0xffu});
            lit += top > 40;
            dark += top < 8;
        }
    }
    XDestroyImage(image);
    const long area = static_cast<long>(w) * h;
    return lit * 10 > area && dark * 10 > area;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: x11_first_shown SAVER WIDTH HEIGHT [RUNS]\n");
        return 2;
    }
    const char* saver = argv[1];
    const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    const int runs = argc > 4 ? std::atoi(argv[4]) : 5;
    std::string name;
    const pid_t xvfb = start_xvfb(width, height, name);
    Display* display = xvfb > 0 ? XOpenDisplay(name.c_str()) : nullptr;
    if (display == nullptr) {
        std::fprintf(stderr, "x11_first_shown: cannot start Xvfb\n");
        return 1;
    }
    constexpr int pause_ms = 2;
    std::vector<double> firsts;
    double polling_ms = 0;
    long polls = 0;
    for (int run = 0; run < runs; ++run) {
        XClearWindow(display, DefaultRootWindow(display));
        XSync(display, False);
        const auto start = clock_type::now();
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("DISPLAY", name.c_str(), 1);
            quiet_output();
            execl(saver, saver, "-root", static_cast<char*>(nullptr));
            _exit(127);
        }
        double first = -1;
        while (ms_since(start) < 30000) {
            const auto poll_start = clock_type::now();
            const bool shown = shows_pattern(display, width, height);
            polling_ms += ms_since(poll_start);
            ++polls;
            if (shown) {
                first = ms_since(start);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        if (first < 0) {
            std::fprintf(stderr, "x11_first_shown: no pattern within 30 s\n");
            return 1;
        }
        firsts.push_back(first);
    }
    std::sort(firsts.begin(), firsts.end());
    std::printf("%dx%d: first shown after %.0f ms (median of %d; %.0f .. %.0f); one poll every "
                "%.1f ms\n",
                width, height, firsts[firsts.size() / 2], runs, firsts.front(), firsts.back(),
                pause_ms + polling_ms / static_cast<double>(polls));
    XCloseDisplay(display);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return 0;
}
