// An offscreen desktop-OpenGL context on an EGL pbuffer, with no window
// system: Mesa's surfaceless platform where there is one.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

// What went wrong, in one line for the user.
class gl_unavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class headless_egl_context {
public:
    // An RGB(A) drawable of width x height pixels (an empty side gets a
    // 1-pixel surface: the saver's viewport then shows nothing), 8 bits per
    // colour channel and `alpha_bits` of alpha (8, or 0 for a drawable
    // without alpha). With `share`, display lists and textures are shared
    // with that context. The new context is current. Throws gl_unavailable.
    static std::unique_ptr<headless_egl_context> create(int width, int height, int alpha_bits = 8,
                                                        const headless_egl_context* share = nullptr);
    ~headless_egl_context();

    headless_egl_context(const headless_egl_context&) = delete;
    headless_egl_context& operator=(const headless_egl_context&) = delete;

    // Replaces the drawable with one of the new size and makes it current.
    void resize(int width, int height);
    void make_current();
    // A pbuffer has no front buffer to show; this only ends the frame as a
    // window host would.
    void swap();

    int alpha_bits() const { return alpha_bits_; }

private:
    headless_egl_context() = default;
    void* display_ = nullptr;
    void* config_ = nullptr;
    void* context_ = nullptr;
    void* surface_ = nullptr;
    int alpha_bits_ = 0;
};
