#include <gtest/gtest.h>

#include "common/random_source.h"
#include "field/color_drift.h"

namespace {

struct channel {
    float value, velocity, accel;
};

channel drift(channel c, double n) {
    drift_channel(c.value, c.velocity, c.accel, n);
    return c;
}

}  // namespace

TEST(color_drift, one_step_from_given_states) {
    struct row {
        const char* what;
        channel before;
        double n;
        channel after;
    };
    const row rows[] = {
        {"no noise stays at rest", {0.7f, 0, 0}, 0.0, {0.7f, 0, 0}},
        {"+200 clamps to +0.01", {0.7f, 0, 0}, 200.0, {0.71f, 0.01f, 0.01f}},
        {"-200 clamps to -0.01", {0.7f, 0, 0}, -200.0, {0.69f, -0.01f, -0.01f}},
        {"+50 gives 0.005", {0.7f, 0, 0}, 50.0, {0.705f, 0.005f, 0.005f}},
        {"above 1 stores exactly 1, keeps velocity", {0.99f, 0.05f, 0.0f}, 0.0, {1.0f, 0.045f, 0.0f}},
        {"below 0 stores exactly 0", {0.01f, -0.05f, 0.0f}, 0.0, {0.0f, -0.045f, 0.0f}},
        {"sits at a bound while velocity points out", {1.0f, 0.02f, -0.001f}, 0.0,
         {1.0f, 0.0171f, -0.0009f}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        const channel c = drift(r.before, r.n);
        // Each field is the float rounding of the double step, so compare to
        // float precision.
        EXPECT_FLOAT_EQ(c.accel, r.after.accel);
        EXPECT_FLOAT_EQ(c.velocity, r.after.velocity);
        EXPECT_FLOAT_EQ(c.value, r.after.value);
    }
}

TEST(color_drift, exact_bits_of_a_clamped_step) {
    channel c{0.7f, 0.0f, 0.0f};
    c = drift(c, 200.0);
    EXPECT_EQ(c.accel, 0.01f);
    EXPECT_EQ(c.velocity, 0.01f);
    EXPECT_EQ(c.value, static_cast<float>(static_cast<double>(0.7f) + static_cast<double>(0.01f)));
}

// A constant deviate n drives the acceleration toward 0.001 n and the
// velocity toward 0.01 n; the value is held to [0, 1] all the while.
TEST(color_drift, constant_push_converges_and_stays_bounded) {
    channel c{0.5f, 0.0f, 0.0f};
    for (int i = 0; i < 400; ++i) {
        c = drift(c, 1.0);
        ASSERT_GE(c.value, 0.0f);
        ASSERT_LE(c.value, 1.0f);
    }
    EXPECT_NEAR(c.accel, 0.001, 1e-6);
    EXPECT_NEAR(c.velocity, 0.01, 1e-5);
    EXPECT_EQ(c.value, 1.0f);
}
