#include "host/x11_errors.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace {

// GLX's error codes for a drawable that is gone, from its protocol.
constexpr int glx_bad_drawable = 2;
constexpr int glx_bad_current_window = 5;
constexpr int glx_bad_current_drawable = 11;
constexpr int glx_bad_window = 12;

int glx_base = -1000;  // until GLX is known, no error counts as a GLX one
bool gone = false;
std::string other;

bool is_gone_error(int code) {
    if (code == BadWindow || code == BadDrawable) return true;
    const int glx = code - glx_base;
    return glx == glx_bad_drawable || glx == glx_bad_current_window ||
           glx == glx_bad_current_drawable || glx == glx_bad_window;
}

int record_error(Display* display, XErrorEvent* event) {
    if (is_gone_error(event->error_code)) {
        gone = true;
    } else if (other.empty()) {
        char text[160] = "";
        XGetErrorText(display, event->error_code, text, sizeof text);
        other = std::string("X error: ") + text + " (request " +
                std::to_string(static_cast<int>(event->request_code)) + "." +
                std::to_string(static_cast<int>(event->minor_code)) + ")";
    }
    return 0;
}

int connection_fd = -1;
std::atomic_flag said_lost = ATOMIC_FLAG_INIT;

// Only async-signal-safe calls: this also runs from the fault handler, and
// from whichever thread gets there first.
[[noreturn]] void end_lost() {
    if (!said_lost.test_and_set()) {
        static const char line[] = "quillmere: lost the connection to the X server\n";
        const ssize_t ignored = write(STDERR_FILENO, line, sizeof line - 1);
        (void)ignored;
    }
    _exit(1);
}

// Xlib cannot carry on after its connection breaks, and must not get back
// control to print its own messages.
int connection_lost(Display*) { end_lost(); }

// The server end of the socket has closed (or reset): reading would give
// end of file or an error rather than nothing yet.
bool connection_closed() {
    char byte;
    const ssize_t n = recv(connection_fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
}

// Mesa's GLX uses replies that a dead connection leaves null without
// checking them. A fault with the connection gone is that; any other fault
// goes back to the handler that was there before (the default's crash, or a
// sanitizer's report) and happens again on return.
constexpr int fault_signals[] = {SIGSEGV, SIGBUS};
struct sigaction earlier[2];

void on_fault(int number) {
    const int saved = errno;
    if (connection_fd >= 0 && connection_closed()) end_lost();
    sigaction(number, &earlier[number == SIGSEGV ? 0 : 1], nullptr);
    errno = saved;
}

}  // namespace

void install_x11_error_handlers() {
    XSetErrorHandler(record_error);
    XSetIOErrorHandler(connection_lost);
    // Writing to a closed connection is reported like any other loss.
    signal(SIGPIPE, SIG_IGN);
}

void guard_x11_connection(Display* display) {
    connection_fd = ConnectionNumber(display);
    struct sigaction action {};
    action.sa_handler = on_fault;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 2; ++i) sigaction(fault_signals[i], &action, &earlier[i]);
}

void set_glx_error_base(int glx_error_base) { glx_base = glx_error_base; }

bool x11_window_gone() { return gone; }

std::string x11_other_error() { return other; }

void clear_x11_errors() {
    gone = false;
    other.clear();
}
