#pragma once
// The notification-area icon of the main window.
#include <string>

namespace sentrel {

// The program-wide tray record: what the last add left for modify and delete to rely on.
struct TrayIconData {
    unsigned id = 0;
    unsigned flags = 0;
    std::string tip;
};

enum class TrayMessage : int { Add = 0, Modify = 1, Delete = 2 };

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Shell_NotifyIcon with the record; the result is the shell's answer.
    virtual bool Notify(TrayMessage message, const TrayIconData& data) = 0;
};

}  // namespace sentrel
