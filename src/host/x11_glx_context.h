// The GLX side: which visual a window gets and the context drawn with.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>
#include <string>

struct x_free {
    void operator()(XVisualInfo* p) const { XFree(p); }
};
using visual_info_ptr = std::unique_ptr<XVisualInfo, x_free>;

// For our own windows: double-buffered RGBA with 8 bits a channel, with 8
// alpha bits when the screen has such a visual at its own depth, else without.
// Null when there is none.
visual_info_ptr choose_own_visual(Display* display, int screen);

// The visual of a window that is not ours, as GLX sees it.
visual_info_ptr visual_of(Display* display, const XWindowAttributes& attributes);

// Empty when GL can draw double-buffered RGBA through `visual`, else why not.
std::string check_gl_visual(Display* display, const XVisualInfo& visual);

// A direct (where possible) GLX context, current on `window` from creation
// until destruction.
class x11_glx_context {
public:
    // Throws std::runtime_error with one line when the context cannot be made current.
    x11_glx_context(Display* display, const XVisualInfo& visual, Window window);
    ~x11_glx_context();
    x11_glx_context(const x11_glx_context&) = delete;
    x11_glx_context& operator=(const x11_glx_context&) = delete;

    void swap();

private:
    Display* display_;
    Window window_;
    struct __GLXcontextRec* context_;
};
