// Takes the activation away from whatever has it, as another program
// coming to the front would: shows a window, brings it to the foreground and
// keeps it there until the process is ended.
#include <windows.h>

int wmain() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuillmereForegroundWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(wc.lpszClassName, L"foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                40, 40, 200, 120, nullptr, nullptr, wc.hInstance, nullptr);
    if (window == nullptr) return 1;
    SetForegroundWindow(window);
    SetActiveWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
