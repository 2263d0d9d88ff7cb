#pragma once
// The notification-area icon of the main window.
#include <array>
#include <cstdint>
#include <string>

namespace sentrel {

// The shell reports clicks on the icon with this private message (WM_APP + 1), the mouse
// message in the low word of lParam. A private message keeps ordinary mouse movement over the
// window from ever reaching the tray handler.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8000 + 1;
inline constexpr std::uint32_t kTrayIconId = 1;
// NIF_MESSAGE + NIF_ICON + NIF_TIP.
inline constexpr std::uint32_t kTrayIconFlags = 7;
// Marks the tray picture while the icon is in the notification area.
inline constexpr const char* kTrayIconMarker = "SYSTRAYICON";
// The tip's UTF-16 units, its terminating NUL included.
inline constexpr std::size_t kTrayTipUnits = 64;

// The program-wide tray record, laid out as the first version of the shell's notify-icon
// record (Unicode): the modify and delete operations rely on what the last add left in it.
struct TrayIconData {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    std::array<char16_t, kTrayTipUnits> szTip{};
};

enum class TrayMessage : int { Add = 0, Modify = 1, Delete = 2 };

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // The window that receives the callback message.
    virtual std::uintptr_t WindowHandle() = 0;
    // The icon of the picture (a resource name such as "SYSTRAY").
    virtual std::uintptr_t IconHandle(const std::string& picture) = 0;
    // Shell_NotifyIcon with the record; the result is the shell's answer.
    virtual bool Notify(TrayMessage message, const TrayIconData& data) = 0;
};

}  // namespace sentrel
