// The saver's side of the screen-saver contract: a WGL context on the saver
// window, one frame per timer tick, and its release.
#include <windows.h>

#include "host/win32_frame_log.h"
#include "host/win32_screensaver.h"
#include "saver/saver_events.h"

namespace {

constexpr UINT_PTR frame_timer = 1;
constexpr UINT frame_interval_ms = 50;

HDC device_context = nullptr;
HGLRC rendering_context = nullptr;

void create_gl_context(HWND window) {
    PIXELFORMATDESCRIPTOR request{};
    request.nSize = sizeof(request);
    request.nVersion = 1;
    request.dwFlags = PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    // 32 colour bits with 8 of alpha picks a format with destination alpha
    // where the driver has one; the counting pass works without it too.
    request.cColorBits = 32;
    request.cAlphaBits = 8;
    request.iLayerType = PFD_MAIN_PLANE;

    device_context = GetDC(window);
    const int format = ChoosePixelFormat(device_context, &request);
    SetPixelFormat(device_context, format, &request);
    rendering_context = wglCreateContext(device_context);
    wglMakeCurrent(device_context, rendering_context);
}

}  // namespace

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "the pixel-format request is 40 bytes");

extern "C" LRESULT WINAPI ScreenSaverProc(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) {
    switch (message) {
        case WM_CREATE: {
            RECT client{};
            GetClientRect(window, &client);
            create_gl_context(window);
            saver_create(client.right, client.bottom);
            frame_log_start(client.right, client.bottom);
            SetTimer(window, frame_timer, frame_interval_ms, nullptr);
            return 0;
        }
        case WM_TIMER:  // any timer id draws a frame
            saver_tick();
            frame_log_tick();
            SwapBuffers(device_context);
            return 0;
        case WM_DESTROY:
            KillTimer(window, frame_timer);
            saver_destroy();
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(rendering_context);
            ReleaseDC(window, device_context);
            return 0;
        default:
            return DefScreenSaverProc(window, message, wparam, lparam);
    }
}

extern "C" BOOL WINAPI ScreenSaverConfigureDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

extern "C" BOOL WINAPI RegisterDialogClasses(HANDLE) { return TRUE; }
