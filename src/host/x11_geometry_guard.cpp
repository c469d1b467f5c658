// Mesa's software GLX sizes its buffers from XGetGeometry without checking
// that the call succeeded: when another client destroys the window just
// before a context is made current on it (or before a frame), it reads
// whatever the stack held and writes past the buffers it allocated. This
// definition stands in for Xlib's (the program exports it, so the driver
// binds to it) and reports a drawable of one pixel when the real call fails
// (the driver mishandles an empty one too); the failure itself still reaches
// our error handler, which ends the run.
#include <X11/Xlib.h>
#include <dlfcn.h>

extern "C" Status XGetGeometry(Display* display, Drawable drawable, Window* root, int* x, int* y,
                               unsigned* width, unsigned* height, unsigned* border, unsigned* depth) {
    using real_type = Status (*)(Display*, Drawable, Window*, int*, int*, unsigned*, unsigned*,
                                 unsigned*, unsigned*);
    static const auto real = reinterpret_cast<real_type>(dlsym(RTLD_NEXT, "XGetGeometry"));
    *root = None;
    *x = *y = 0;
    *width = *height = 1;
    *border = *depth = 0;
    return real(display, drawable, root, x, y, width, height, border, depth);
}
