#pragma once
// The notification-area icon through Shell_NotifyIconW, and the routing of the shell's
// messages to the main window's model.
#include <windows.h>

#include "shell/tray_icon.h"
#include "ui/form.h"

namespace sentrel {

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

    // For the main window's procedure: turns the icon's callback and the shell's restart into
    // the form's TrayCallback and TaskbarCreated. True when the message was one of them.
    bool Route(Form& form, UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    UINT taskbarCreated_ = 0;
};

}  // namespace sentrel
