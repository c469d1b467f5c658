// SIGTERM, SIGINT and SIGHUP as a request to stop: the daemon ends a hack
// with SIGTERM and expects a quiet exit 0.
#pragma once

// Installs the handlers; call once, before anything can take long.
void install_stop_signals();

bool stop_requested();

// Becomes readable when a stop signal arrives, so a sleep on it ends at once.
int stop_signal_fd();
