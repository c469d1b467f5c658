#include "host/x11_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <initializer_list>

namespace {

volatile sig_atomic_t stop = 0;
int pipe_fds[2] = {-1, -1};

void on_signal(int) {
    stop = 1;
    if (pipe_fds[1] >= 0) {
        const char byte = 1;
        const ssize_t ignored = write(pipe_fds[1], &byte, 1);
        (void)ignored;
    }
}

}  // namespace

void install_stop_signals() {
    if (pipe(pipe_fds) == 0) {
        for (int fd : pipe_fds) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        for (int fd : pipe_fds) fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

bool stop_requested() { return stop != 0; }

int stop_signal_fd() { return pipe_fds[0]; }
