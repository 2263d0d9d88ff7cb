#pragma once
// The main window on real windows: the model on fakes (the Rig), its Win32 host, loaded.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "app/main_window_win32.h"
#include "base/text_win32.h"
#include "fakes/rig.h"

namespace sentrel::test {

// Runs the thread's pending messages, for at least `ms` milliseconds.
inline void Pump(DWORD ms = 0) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (ms != 0) {
            Sleep(5);
        }
    } while (GetTickCount() - start < ms);
}

struct LiveWindow {
    LiveWindow() {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES |
                                                                        ICC_LISTVIEW_CLASSES |
                                                                        ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        window = std::make_unique<MainWindow>(rig.w(), GetModuleHandleW(nullptr));
        rig.w().Form_Load();
        Pump();
    }

    WMain& w() { return rig.w(); }
    HWND Main() const { return window->Handle(); }
    HWND Of(const Control& model) const { return window->WindowOf(model); }

    Rig rig;
    std::unique_ptr<MainWindow> window;
};

inline std::string TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return WideToUtf8(buffer);
}

}  // namespace sentrel::test
