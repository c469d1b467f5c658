#include "saver/view_projection.h"

#include <cmath>
#include <cstdint>

namespace {

// 360 / 3.14159: the full angle in degrees, taken with pi as 3.14159.
constexpr double degrees_per_half_angle_radian = 114.59165581759555;

// The camera orbits 3.5 * (1 - 0.1) heights from a centre half a height behind
// the field, so it stands about 2.65 heights above it; a square of side one
// height reaches sqrt(2)/2 heights from its middle as it turns.
constexpr double eye_height_over_field = 3.5 * (1.0 - 0.1) - 0.5;
constexpr double half_diagonal = 0.7071067811865476;

}  // namespace

view_projection projection_for(int width, int height) {
    const std::int64_t w = width;
    const std::int64_t h = height;
    const double s = std::sqrt(static_cast<double>(w * w + 2 * h * h));
    const double d = 3.0 * height - (0.4 * s - 0.5 * height);

    view_projection p{};
    if (d > 0.0) {
        p.fovy = std::atan(height / (2.0 * d)) * degrees_per_half_angle_radian;
    } else {
        p.fovy = std::atan(half_diagonal / eye_height_over_field) * degrees_per_half_angle_radian;
    }
    const float q = static_cast<float>(height) / static_cast<float>(width);
    p.aspect = 1.0 / static_cast<double>(q);
    return p;
}
