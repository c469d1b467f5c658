// Pacing of the 50 ms tick on the monotonic clock. A frame that runs late
// delays the next one; ticks missed meanwhile are dropped, never made up in a
// burst.
#pragma once

#include <cstdint>

class x11_frame_clock {
public:
    static constexpr std::int64_t period_ns = 50'000'000;

    // The first tick is due at `now_ns`.
    explicit x11_frame_clock(std::int64_t now_ns) : next_ns_(now_ns) {}

    bool due(std::int64_t now_ns) const { return now_ns >= next_ns_; }

    // After a frame that ended at `now_ns`: the next tick is one period after
    // the last one was due, or at once when that moment has passed.
    void frame_done(std::int64_t now_ns);

    // Milliseconds to sleep before the next tick, rounded up so that the
    // sleep never ends just short of it.
    int wait_ms(std::int64_t now_ns) const;

    std::int64_t next_ns() const { return next_ns_; }

private:
    std::int64_t next_ns_;
};

// CLOCK_MONOTONIC in nanoseconds.
std::int64_t monotonic_ns();
