#include "host/headless_egl_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <algorithm>

namespace {

EGLDisplay open_display() {
    auto get_platform_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (get_platform_display != nullptr) {
        EGLDisplay display =
            get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) return display;
    }
    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) return display;
    throw gl_unavailable("no EGL display for offscreen rendering (is Mesa's libegl-mesa0 installed?)");
}

// The first pbuffer config with exactly 8 bits per colour channel and the
// wanted alpha, so the counting pass sees the bytes it expects.
EGLConfig choose_config(EGLDisplay display, int alpha_bits) {
    const EGLint wanted[] = {EGL_SURFACE_TYPE,    EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT,      EGL_RED_SIZE,    8,
                             EGL_GREEN_SIZE,      8,               EGL_BLUE_SIZE,
                             8,                   EGL_ALPHA_SIZE,  alpha_bits,
                             EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, wanted, nullptr, 0, &count) || count <= 0) {
        throw gl_unavailable("no EGL config for desktop OpenGL on a pbuffer");
    }
    std::unique_ptr<EGLConfig[]> configs(new EGLConfig[count]);
    eglChooseConfig(display, wanted, configs.get(), count, &count);
    for (EGLint i = 0; i < count; ++i) {
        EGLint r = 0, g = 0, b = 0, a = 0;
        eglGetConfigAttrib(display, configs[i], EGL_RED_SIZE, &r);
        eglGetConfigAttrib(display, configs[i], EGL_GREEN_SIZE, &g);
        eglGetConfigAttrib(display, configs[i], EGL_BLUE_SIZE, &b);
        eglGetConfigAttrib(display, configs[i], EGL_ALPHA_SIZE, &a);
        if (r == 8 && g == 8 && b == 8 && a == alpha_bits) return configs[i];
    }
    throw gl_unavailable("no EGL config with 8-bit colour and " + std::to_string(alpha_bits) +
                         " alpha bits");
}

EGLSurface make_pbuffer(EGLDisplay display, EGLConfig config, int width, int height) {
    const EGLint attributes[] = {EGL_WIDTH, std::max(width, 1), EGL_HEIGHT, std::max(height, 1),
                                 EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(display, config, attributes);
    if (surface == EGL_NO_SURFACE) {
        throw gl_unavailable("cannot create a " + std::to_string(width) + "x" +
                             std::to_string(height) + " EGL pbuffer");
    }
    return surface;
}

}  // namespace

std::unique_ptr<headless_egl_context> headless_egl_context::create(
    int width, int height, int alpha_bits, const headless_egl_context* share) {
    std::unique_ptr<headless_egl_context> result(new headless_egl_context);
    EGLDisplay display = share != nullptr ? share->display_ : open_display();
    result->display_ = display;
    if (!eglBindAPI(EGL_OPENGL_API)) throw gl_unavailable("EGL offers no desktop OpenGL");
    EGLConfig config = choose_config(display, alpha_bits);
    result->config_ = config;
    result->alpha_bits_ = alpha_bits;
    EGLContext context = eglCreateContext(
        display, config, share != nullptr ? share->context_ : EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT) throw gl_unavailable("cannot create an OpenGL context");
    result->context_ = context;
    result->surface_ = make_pbuffer(display, config, width, height);
    result->make_current();
    return result;
}

headless_egl_context::~headless_egl_context() {
    if (display_ == nullptr) return;
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (surface_ != nullptr) eglDestroySurface(display_, surface_);
    if (context_ != nullptr) eglDestroyContext(display_, context_);
}

void headless_egl_context::resize(int width, int height) {
    EGLSurface fresh = make_pbuffer(display_, config_, width, height);
    eglMakeCurrent(display_, fresh, fresh, context_);
    eglDestroySurface(display_, surface_);
    surface_ = fresh;
}

void headless_egl_context::make_current() {
    if (!eglMakeCurrent(display_, surface_, surface_, context_)) {
        throw gl_unavailable("cannot make the OpenGL context current");
    }
}

void headless_egl_context::swap() { eglSwapBuffers(display_, surface_); }
