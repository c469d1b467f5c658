#include "host/x11_glx_context.h"

#include <GL/glx.h>

#include <stdexcept>

visual_info_ptr choose_own_visual(Display* display, int screen) {
    const int attributes[] = {GLX_X_RENDERABLE, True, GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,
                              GLX_RENDER_TYPE, GLX_RGBA_BIT, GLX_DOUBLEBUFFER, True,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, screen, attributes, &count);
    // A window deeper than the screen would be see-through under a
    // compositor, so only the screen's own depth is taken.
    const int depth = DefaultDepth(display, screen);
    visual_info_ptr best;
    int best_alpha = -1;
    for (int i = 0; i < count; ++i) {
        int r = 0, g = 0, b = 0, a = 0;
        glXGetFBConfigAttrib(display, configs[i], GLX_RED_SIZE, &r);
        glXGetFBConfigAttrib(display, configs[i], GLX_GREEN_SIZE, &g);
        glXGetFBConfigAttrib(display, configs[i], GLX_BLUE_SIZE, &b);
        glXGetFBConfigAttrib(display, configs[i], GLX_ALPHA_SIZE, &a);
        if (r != 8 || g != 8 || b != 8 || (a != 8 && a != 0) || a <= best_alpha) continue;
        visual_info_ptr visual(glXGetVisualFromFBConfig(display, configs[i]));
        if (!visual || visual->depth != depth) continue;
        best = std::move(visual);
        best_alpha = a;
    }
    if (configs) XFree(configs);
    return best;
}

visual_info_ptr visual_of(Display* display, const XWindowAttributes& attributes) {
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    int count = 0;
    return visual_info_ptr(XGetVisualInfo(display, VisualIDMask, &wanted, &count));
}

std::string check_gl_visual(Display* display, const XVisualInfo& visual) {
    XVisualInfo copy = visual;
    int use_gl = 0, rgba = 0, double_buffer = 0;
    glXGetConfig(display, &copy, GLX_USE_GL, &use_gl);
    glXGetConfig(display, &copy, GLX_RGBA, &rgba);
    glXGetConfig(display, &copy, GLX_DOUBLEBUFFER, &double_buffer);
    if (!use_gl || !rgba) return "the window's visual does not support OpenGL";
    if (!double_buffer) return "the window's visual has no double-buffered OpenGL";
    return "";
}

x11_glx_context::x11_glx_context(Display* display, const XVisualInfo& visual, Window window)
    : display_(display), window_(window), context_(nullptr) {
    XVisualInfo copy = visual;
    context_ = glXCreateContext(display, &copy, nullptr, True);
    if (context_ == nullptr) throw std::runtime_error("cannot create an OpenGL context");
    if (!glXMakeCurrent(display, window, context_)) {
        glXDestroyContext(display, context_);
        throw std::runtime_error("cannot make the OpenGL context current");
    }
}

x11_glx_context::~x11_glx_context() {
    glXMakeCurrent(display_, None, nullptr);
    glXDestroyContext(display_, context_);
}

void x11_glx_context::swap() { glXSwapBuffers(display_, window_); }
