#include "host/x11_frame_clock.h"

#include <time.h>

void x11_frame_clock::frame_done(std::int64_t now_ns) {
    next_ns_ += period_ns;
    if (next_ns_ < now_ns) next_ns_ = now_ns;
}

int x11_frame_clock::wait_ms(std::int64_t now_ns) const {
    if (now_ns >= next_ns_) return 0;
    return static_cast<int>((next_ns_ - now_ns + 999'999) / 1'000'000);
}

std::int64_t monotonic_ns() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}
