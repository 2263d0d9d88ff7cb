#pragma once
// The main window on real windows: the model on fakes (the Rig), its Win32 host, loaded.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "window/main_window_win32.h"
#include "base/text_win32.h"
#include "fakes/rig.h"
#include "wine/support/message_pump.h"

namespace sentrel::test {

struct LiveWindow {
    LiveWindow() {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES |
                                                                        ICC_LISTVIEW_CLASSES |
                                                                        ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        window = std::make_unique<MainWindow>(rig.w(), GetModuleHandleW(nullptr));
        rig.w().Form_Load();
        Shown();
    }
    // Runs the messages until the windows show their models' latest changes.
    void Shown() {
        PumpUntil([this] { return !window->MirrorsPending(); });
    }

    WMain& w() { return rig.w(); }
    HWND Main() const { return window->Handle(); }
    HWND Of(const Control& model) const { return window->WindowOf(model); }
    // Shows a page as its toolbar button does.
    void ShowPage(int button) {
        w().tbrMain_ButtonClick(button);
        Shown();
    }

    Rig rig;
    std::unique_ptr<MainWindow> window;
};

inline std::string TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return WideToUtf8(buffer);
}

// A left click as the mouse delivers it, at a client point of the window.
inline void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

}  // namespace sentrel::test
