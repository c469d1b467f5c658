// The unit disc the counting pass stamps: one display list per process.
#pragma once

// Returns the list's name, compiling it on the first call (a triangle fan of
// 24 triangles around the origin in the plane z = 0, radius 1). Needs a
// current GL context; the list lives as long as that context's share group.
// A failed glGenLists leaves nothing cached, so the next call tries again.
unsigned disc_list();
