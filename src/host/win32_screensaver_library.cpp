// The screen-saver library: entry point, command line, the saver window, its
// message loop, and closing on user input. The saver module only sees
// ScreenSaverProc's messages.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "host/win32_command_line.h"
#include "host/win32_screensaver.h"

namespace {

// A cursor that moves more than this many pixels along either axis from
// where it was when the saver started ends it; smaller jitter does not.
constexpr LONG mouse_move_threshold = 4;

constexpr int exit_no_window = 1;      // the window could not be created
constexpr int exit_bad_command = 2;    // unknown mode, or a handle that is no window
constexpr wchar_t window_class[] = L"WindowsScreenSaverClass";
constexpr int description_string = 1;  // also the window's title
constexpr int saver_icon = 100;

struct library_state {
    bool preview = false;
    bool closing = false;  // a close is under way: no more frames, no second close
    bool cursor_known = false;
    POINT start_cursor{};
};

library_state state;

void close_saver(HWND window) {
    if (state.closing) return;
    state.closing = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// When the start position could not be read, the first movement becomes it.
bool cursor_moved_far() {
    POINT now;
    if (!GetCursorPos(&now)) return false;
    if (!state.cursor_known) {
        state.start_cursor = now;
        state.cursor_known = true;
        return false;
    }
    return std::labs(now.x - state.start_cursor.x) > mouse_move_threshold ||
           std::labs(now.y - state.start_cursor.y) > mouse_move_threshold;
}

// Full screen: which messages mean the user wants the desktop back.
bool is_user_return(UINT message, WPARAM wparam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_MOUSEWHEEL:
            return true;
        case WM_MOUSEMOVE:
            return cursor_moved_far();
        case WM_ACTIVATE:
            return LOWORD(wparam) == WA_INACTIVE;
        case WM_ACTIVATEAPP:
        case WM_NCACTIVATE:
            return wparam == FALSE;
        default:
            return false;
    }
}

// Frames stop as soon as a close is decided; the quit message goes out
// before the saver releases its context, so the loop ends right after.
LRESULT CALLBACK library_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_TIMER:
            if (state.closing) return 0;
            Sleep(0);  // let other work run between frames
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            break;
        default:
            break;
    }
    return ScreenSaverProc(window, message, wparam, lparam);
}

bool register_window_class(HINSTANCE instance) {
    WNDCLASSW wc{};
    // CS_OWNDC keeps the pixel format of the one device context the saver
    // holds; CS_PARENTDC would hand it the parent's.
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;  // 0x2b
    wc.lpfnWndProc = library_window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(saver_icon));
    wc.hCursor = nullptr;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = window_class;
    return RegisterClassW(&wc) != 0;
}

HWND create_full_screen(HINSTANCE instance, const wchar_t* title) {
    state.cursor_known = GetCursorPos(&state.start_cursor) != FALSE;
    // The virtual screen spans every monitor; its origin can be negative.
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, window_class, title,
                                  WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  GetSystemMetrics(SM_XVIRTUALSCREEN),
                                  GetSystemMetrics(SM_YVIRTUALSCREEN),
                                  GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                  GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr, nullptr,
                                  instance, nullptr);
    if (window != nullptr) SetForegroundWindow(window);
    return window;
}

HWND create_preview(HINSTANCE instance, const wchar_t* title, HWND parent) {
    state.preview = true;
    RECT client{};
    GetClientRect(parent, &client);
    return CreateWindowExW(0, window_class, title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                           0, client.right, client.bottom, parent, nullptr, instance, nullptr);
}

int run_message_loop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// The saver's dialog procedure answers a BOOL; a dialog procedure an INT_PTR.
INT_PTR CALLBACK settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    return ScreenSaverConfigureDialog(dialog, message, wparam, lparam);
}

// The settings dialog is resource 2003 with the saver's dialog procedure;
// a module without one has no settings and nothing is shown.
int run_settings(HINSTANCE instance, HWND owner) {
    if (!RegisterDialogClasses(instance)) return 0;
    if (FindResourceW(instance, MAKEINTRESOURCEW(saver_settings_dialog),
                      MAKEINTRESOURCEW(5) /* RT_DIALOG */) == nullptr) {
        return 0;
    }
    DialogBoxParamW(instance, MAKEINTRESOURCEW(saver_settings_dialog), owner,
                    settings_dialog_proc, 0);
    return 0;
}

HWND as_window(std::uint64_t handle) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
}

}  // namespace

extern "C" LRESULT WINAPI DefScreenSaverProc(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
    if (message == WM_SYSCOMMAND) {
        const WPARAM command = wparam & 0xFFF0;
        if (command == SC_SCREENSAVE || command == SC_CLOSE) return 0;  // no second saver
    }
    if (!state.preview) {
        if (message == WM_SETCURSOR) {
            SetCursor(nullptr);
            return TRUE;
        }
        if (is_user_return(message, wparam)) close_saver(window);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    const win32_command command = parse_win32_command_line(arguments);
    if (command.error != win32_command_error::none) return exit_bad_command;
    const HWND given = as_window(command.window);

    switch (command.mode) {
        case win32_mode::settings:
            return run_settings(instance, IsWindow(given) ? given : nullptr);
        case win32_mode::password_change:
            // Passwords belong to the system's lock screen nowadays.
            return IsWindow(given) ? 0 : exit_bad_command;
        case win32_mode::preview:
            if (!IsWindow(given)) return exit_bad_command;
            break;
        case win32_mode::full_screen:
            break;
    }

    if (!register_window_class(instance)) return exit_no_window;
    wchar_t title[128] = L"";
    LoadStringW(instance, description_string, title, 128);
    const HWND window = command.mode == win32_mode::preview
                            ? create_preview(instance, title, given)
                            : create_full_screen(instance, title);
    if (window == nullptr) return exit_no_window;
    return run_message_loop();
}
