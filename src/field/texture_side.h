#pragma once

// The side of the field's square texture, in texels, for a drawable of
// width x height pixels: the largest power of two not above the shorter
// side, or 1 when that side is below 2.
int texture_side(int width, int height);
