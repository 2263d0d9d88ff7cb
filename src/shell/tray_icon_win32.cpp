#include "shell/tray_icon_win32.h"

#include <shellapi.h>

#include <cstddef>
#include <cstring>

#include "base/system_functions_win32.h"

namespace sentrel {

namespace {

// Lets a message through the filter that keeps messages of programs of a lower integrity level
// from an elevated program: for the window alone where the system can (Windows 7), else for the
// whole program (Vista). Earlier systems have no such filter.
void AllowMessageFromLowerIntegrity(HWND window, UINT message) {
    if (const auto forWindow = SystemFunction<decltype(&ChangeWindowMessageFilterEx)>(
            L"user32.dll", "ChangeWindowMessageFilterEx", kWindows7)) {
        forWindow(window, message, MSGFLT_ALLOW, nullptr);
    } else if (const auto forProgram = SystemFunction<decltype(&ChangeWindowMessageFilter)>(
                   L"user32.dll", "ChangeWindowMessageFilter", kWindowsVista)) {
        forProgram(message, MSGFLT_ADD);
    }
}

}  // namespace

// The program's record has the layout of the shell's first-version record.
static_assert(sizeof(TrayIconData) == NOTIFYICONDATAW_V1_SIZE);
static_assert(offsetof(TrayIconData, hWnd) == offsetof(NOTIFYICONDATAW, hWnd));
static_assert(offsetof(TrayIconData, uID) == offsetof(NOTIFYICONDATAW, uID));
static_assert(offsetof(TrayIconData, uFlags) == offsetof(NOTIFYICONDATAW, uFlags));
static_assert(offsetof(TrayIconData, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAW, uCallbackMessage));
static_assert(offsetof(TrayIconData, hIcon) == offsetof(NOTIFYICONDATAW, hIcon));
static_assert(offsetof(TrayIconData, szTip) == offsetof(NOTIFYICONDATAW, szTip));
static_assert(sizeof(TrayIconData::szTip) == 64 * sizeof(wchar_t));

ShellTrayIcon::ShellTrayIcon() : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

ShellTrayIcon::ShellTrayIcon(HWND window, HICON icon) : ShellTrayIcon() {
    Attach(window, icon);
}

void ShellTrayIcon::Attach(HWND window, HICON icon) {
    window_ = window;
    icon_ = icon;
    // An elevated program would otherwise never hear that the shell restarted.
    if (window_ != nullptr && taskbarCreated_ != 0) {
        AllowMessageFromLowerIntegrity(window_, taskbarCreated_);
    }
}

std::uintptr_t ShellTrayIcon::WindowHandle() {
    return reinterpret_cast<std::uintptr_t>(window_);
}

std::uintptr_t ShellTrayIcon::IconHandle(const std::string& /*picture*/) {
    // The program has one tray picture.
    return reinterpret_cast<std::uintptr_t>(icon_);
}

bool ShellTrayIcon::Notify(TrayMessage message, const TrayIconData& data) {
    NOTIFYICONDATAW record{};
    std::memcpy(&record, &data, NOTIFYICONDATAW_V1_SIZE);
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    const DWORD command = message == TrayMessage::Add      ? NIM_ADD
                          : message == TrayMessage::Modify ? NIM_MODIFY
                                                           : NIM_DELETE;
    return Shell_NotifyIconW(command, &record) != FALSE;
}

}  // namespace sentrel
