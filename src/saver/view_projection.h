// The perspective the saver's view is seen through, from the client size.
#pragma once

struct view_projection {
    double fovy;    // vertical field of view, degrees
    double aspect;  // width / height, through a single-precision quotient
};

// The field of view under which the client height is seen from a distance
// set by the client's shape. Shapes wider than about 8.6:1, where that
// distance is no longer positive, get the narrowest field of view that keeps
// the whole turning square in sight instead of a degenerate projection.
view_projection projection_for(int width, int height);
