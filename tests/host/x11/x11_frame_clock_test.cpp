#include "host/x11_frame_clock.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t ms = 1'000'000;
constexpr std::int64_t start = 5'000 * ms;

TEST(x11_frame_clock, ticks_every_period_after_quick_frames) {
    x11_frame_clock clock(start);
    EXPECT_TRUE(clock.due(start));
    clock.frame_done(start + 8 * ms);
    EXPECT_EQ(clock.next_ns(), start + 50 * ms);
    EXPECT_FALSE(clock.due(start + 49 * ms));
    EXPECT_EQ(clock.wait_ms(start + 8 * ms), 42);
    // The sleep is rounded up, never cut short of the tick.
    EXPECT_EQ(clock.wait_ms(start + 8 * ms + 1), 42);
    EXPECT_EQ(clock.wait_ms(start + 50 * ms), 0);
    // Waking a little late does not shift the ticks after it.
    clock.frame_done(start + 53 * ms);
    EXPECT_EQ(clock.next_ns(), start + 100 * ms);
}

TEST(x11_frame_clock, a_late_frame_delays_the_next_without_a_burst) {
    x11_frame_clock clock(start);
    // A frame of 170 ms misses three ticks: the next one is due at once,
    // and only one, then the period resumes from there.
    clock.frame_done(start + 170 * ms);
    EXPECT_EQ(clock.next_ns(), start + 170 * ms);
    clock.frame_done(start + 175 * ms);
    EXPECT_EQ(clock.next_ns(), start + 220 * ms);
    EXPECT_FALSE(clock.due(start + 219 * ms));
    EXPECT_EQ(clock.wait_ms(start + 175 * ms), 45);
}

}  // namespace
