#include "common/random_source.h"

#include <cmath>
#include <ctime>

std::mt19937 random_engine(static_cast<std::uint32_t>(std::time(nullptr)));

namespace {

constexpr double pi = 3.141592653589793;

// The sine half of the last Box-Muller pair, while it has not been used.
bool normal_held = false;
double normal_held_value = 0.0;

}  // namespace

void seed_random_source(std::uint32_t seed) {
    random_engine.seed(seed);
    normal_held = false;
    normal_held_value = 0.0;
}

double uniform01() {
    for (;;) {
        const double u = static_cast<double>(random_engine()) / 4294967296.0;
        if (u < 1.0) return u;
    }
}

double normal01() {
    if (normal_held) {
        normal_held = false;
        return normal_held_value;
    }
    const double u1 = uniform01();
    const double u2 = uniform01();
    const double r = std::sqrt(-2.0 * std::log(1.0 - u2));
    const double angle = 2.0 * pi * u1;
    normal_held_value = r * std::sin(angle);
    normal_held = true;
    return r * std::cos(angle);
}
