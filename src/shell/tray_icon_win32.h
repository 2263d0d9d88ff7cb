#pragma once
// The notification-area icon through Shell_NotifyIconW. The main window's host turns the icon's
// callback message and the shell's "TaskbarCreated" into the form's events.
#include <windows.h>

#include "shell/tray_icon.h"

namespace sentrel {

// The icon's callback message; the mouse message is in the low word of lParam.
inline constexpr UINT kMsgTrayCallback = WM_APP + 1;
static_assert(kMsgTrayCallback == kTrayCallbackMessage);

class ShellTrayIcon : public TrayIcon {
public:
    ShellTrayIcon();
    ShellTrayIcon(HWND window, HICON icon);
    // The main window (it receives the callback and "TaskbarCreated") and the SYSTRAY icon,
    // which stays owned by the caller.
    void Attach(HWND window, HICON icon);

    std::uintptr_t WindowHandle() override;
    std::uintptr_t IconHandle(const std::string& picture) override;
    bool Notify(TrayMessage message, const TrayIconData& data) override;

private:
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    UINT taskbarCreated_ = 0;
};

}  // namespace sentrel
