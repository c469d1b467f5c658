// Plays the Screen Saver settings page for the preview: makes a window,
// starts the saver as "/p <window>" inside it, and destroys the window once
// the file named by its second argument appears. Reports the saver's end.
//   preview_parent <saver.scr> <request-file>
// prints "parent <handle> client <W>x<H>", then "saver exit <code>";
// exits 0 when the saver ended by itself after the window went, 1 otherwise.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int client_width = 240;
constexpr int client_height = 180;
constexpr DWORD poll_ms = 50;
constexpr DWORD give_up_ms = 30000;  // a hang guard, not a speed check

LRESULT CALLBACK parent_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

HWND create_parent(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = parent_proc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"QuillmerePreviewParent";
    RegisterClassW(&wc);
    RECT frame{0, 0, client_width, client_height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowW(wc.lpszClassName, L"preview parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         20, 20, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                         nullptr, instance, nullptr);
}

bool start_saver(const wchar_t* saver, HWND parent, PROCESS_INFORMATION& process) {
    std::wstring line = L"\"";
    line += saver;
    line += L"\" /p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(parent));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != FALSE;
}

// Pumps the parent's messages (the saver's child sends some to it) until the
// saver ends; destroys the parent when asked.
bool wait_for_saver(HANDLE saver, HWND parent, const wchar_t* request) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < give_up_ms) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &saver, FALSE, poll_ms, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) return true;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (parent != nullptr && GetFileAttributesW(request) != INVALID_FILE_ATTRIBUTES) {
            DestroyWindow(parent);
            parent = nullptr;
        }
    }
    return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: preview_parent <saver.scr> <request-file>\n");
        return 2;
    }
    const HWND parent = create_parent(GetModuleHandleW(nullptr));
    if (parent == nullptr) return 1;
    std::printf("parent %llu client %dx%d\n",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(parent)),
                client_width, client_height);
    std::fflush(stdout);

    PROCESS_INFORMATION saver{};
    if (!start_saver(argv[1], parent, saver)) {
        std::printf("saver did not start\n");
        return 1;
    }
    const bool ended = wait_for_saver(saver.hProcess, parent, argv[2]);
    if (!ended) TerminateProcess(saver.hProcess, 99);
    DWORD code = 0;
    GetExitCodeProcess(saver.hProcess, &code);
    const bool parent_gone = !IsWindow(parent);
    std::printf("saver exit %lu%s\n", static_cast<unsigned long>(code),
                ended ? "" : " (killed: it did not end)");
    return ended && parent_gone ? 0 : 1;
}
