#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "saver/view_projection.h"
#include "saver/yaw_feed.h"

TEST(view_projection, field_of_view_and_aspect_for_known_shapes) {
    struct row {
        int width, height;
        double fovy, aspect;
    };
    const row rows[] = {
        {1024, 768, 20.813065580, 1.333333333333},
        {1920, 1080, 21.842155080, 1.777777777778},
        {3840, 1080, 28.490973892, 3.555555555556},
        {152, 112, 20.862263244, 1.357142874477},
        // The field of view depends on the shape alone.
        {256, 192, 20.813065580, 1.333333333333},
    };
    for (const row& r : rows) {
        const view_projection p = projection_for(r.width, r.height);
        EXPECT_NEAR(p.fovy, r.fovy, 5e-9) << r.width << "x" << r.height;
        EXPECT_NEAR(p.aspect, r.aspect, 5e-12) << r.width << "x" << r.height;
    }
    // The single-precision quotient shows in the eighth digit.
    EXPECT_NE(projection_for(152, 112).aspect, 152.0 / 112.0);
}

// Beyond about 8.6:1 the distance of the formula is no longer positive; the
// projection must stay finite and keep the turning square in sight.
TEST(view_projection, extreme_wide_shapes_stay_finite_and_show_the_square) {
    // The camera stands about 2.65 heights over the field; a square of one
    // height reaches sqrt(2)/2 of it from the middle at any turn.
    const double needed = 2.0 * std::atan(0.7071067811865476 / 2.65) * 180.0 / 3.141592653589793;
    for (int width : {9330, 9600, 16384, 20000}) {
        const view_projection p = projection_for(width, 1080);
        EXPECT_TRUE(std::isfinite(p.fovy)) << width;
        EXPECT_GE(p.fovy, needed - 1e-3) << width;
        EXPECT_LT(p.fovy, 90.0) << width;
    }
    // Up to the edge the formula stands, wide as its view gets.
    const double d = 3000.0 - (0.4 * std::sqrt(8000.0 * 8000.0 + 2e6) - 500.0);
    EXPECT_EQ(projection_for(8000, 1000).fovy, std::atan(1000.0 / (2.0 * d)) * 114.59165581759555);
    EXPECT_GT(projection_for(9320, 1080).fovy, 170.0);
}

TEST(yaw_feed, balance_of_the_tint_and_a_green_of_zero) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(yaw_push(0.25f, 0.5f, 0.75f), 0.5 / 64.0);
    EXPECT_EQ(yaw_push(0.75f, 0.5f, 0.25f), -0.5 / 64.0);
    EXPECT_EQ(yaw_push(0.2f, 0.0f, 0.7f), inf);   // fed as is; the camera clamps it
    EXPECT_EQ(yaw_push(0.7f, 0.0f, 0.2f), -inf);
    EXPECT_EQ(yaw_push(0.4f, 0.0f, 0.4f), 0.0);   // 0/0 feeds nothing
}
