// The parity field: a ring of equal discs, concentric discs through their
// crossings and a blanking disc, counted with additive blending, read back and
// shaded by parity into one square grey texture that each frame draws tinted.
#pragma once

#include <cstdint>
#include <vector>

class circles {
public:
    // Needs a current GL context: creates and binds the field's texture.
    circles();
    virtual ~circles();

    circles(const circles&) = delete;
    circles& operator=(const circles&) = delete;

    // Sizes the texture for a drawable of width x height pixels and asks for
    // a new counting pass and shading. Expects the viewport to cover exactly
    // that drawable.
    void resize(int width, int height);

    // The per-frame step: the counting pass after a resize, the shading on
    // the call after it, then the colour drift.
    void update();

    // Draws the tinted square (side = the drawable's shorter side, centred),
    // then uploads new texels if the shading produced any.
    void draw();

    int tex_width;   // texels; a power of two, equal to tex_height
    int tex_height;
    // One word per texel, bottom row first: the counting pass reads the
    // drawable's pixels into it and the shading turns each into its shade
    // (all four bytes) in place, so the sums need no array of their own.
    std::vector<std::uint32_t> texels;
    unsigned texture;                   // GL texture name
    bool needs_shade;
    bool needs_count;
    bool texture_dirty;
    int circle_count;  // discs on the ring
    int view_width;    // pixels, as last given to resize
    int view_height;
    float red, red_velocity, red_accel;        // tint in [0, 1] and its drift
    float green, green_velocity, green_accel;
    float blue, blue_velocity, blue_accel;

private:
    // Counts disc cover per pixel into `texels`; restores the blend function,
    // both matrices and polygon smoothing before it returns.
    void count_discs();
    void shade();
};
