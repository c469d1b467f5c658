// The contract between the screen-saver library (win32_screensaver_library)
// and the saver module (win32_saver_proc): the library owns the entry point,
// the command line, the window, the message loop and closing on user input.
#pragma once

#include <windows.h>

extern "C" {

// Supplied by the saver. ScreenSaverProc gets every message of the saver
// window; what it does not handle it passes to DefScreenSaverProc.
LRESULT WINAPI ScreenSaverProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
BOOL WINAPI ScreenSaverConfigureDialog(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
BOOL WINAPI RegisterDialogClasses(HANDLE instance);

// Supplied by the library: closing on user input in full screen, the cursor,
// and DefWindowProc for the rest.
LRESULT WINAPI DefScreenSaverProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // extern "C"

// The settings dialog's resource; the saver has none, so nothing is shown.
constexpr int saver_settings_dialog = 2003;
