// The least any saver does per frame: clear, draw one textured square,
// finish. The yardstick the saver's own steady frame is measured against.
#pragma once

class floor_frame {
public:
    // Needs a current GL context; makes a texture of side t texels with a
    // grey ramp and sets an orthographic pixel projection for the drawable.
    floor_frame(int width, int height);
    ~floor_frame();
    floor_frame(const floor_frame&) = delete;
    floor_frame& operator=(const floor_frame&) = delete;

    // One frame, short of the swap: clear, the square (side = the shorter
    // side, centred), glFinish.
    void render();

private:
    int width_;
    int height_;
    unsigned texture_ = 0;
};
