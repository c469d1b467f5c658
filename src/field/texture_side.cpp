#include "field/texture_side.h"

#include <algorithm>

int texture_side(int width, int height) {
    const int m = std::min(width, height);
    int t = 1;
    while (t <= m / 2) t *= 2;  // halving m rather than doubling t cannot overflow
    return t;
}
