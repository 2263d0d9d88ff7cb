#pragma once
// The three notification-icon operations over the program-wide tray record.
#include <array>
#include <string>

#include "shell/tray_icon.h"
#include "ui/widgets.h"

namespace sentrel {

// The tip as the record holds it: UTF-16, cut to 63 units (never inside a surrogate pair),
// a NUL, the rest blanks.
std::array<char16_t, kTrayTipUnits> MakeTrayTip(const std::string& utf8);

// Fills the whole record, adds the icon and marks the picture; the shell's answer is ignored.
void AddTrayIcon(TrayIcon& tray, TrayIconData& record, Image& picture, const std::string& tip);
// Changes the icon when a picture is given and the tip when it is not empty.
void ModifyTrayIcon(TrayIcon& tray, TrayIconData& record, const Image* picture,
                    const std::string& tip);
// Deletes the icon only while the picture carries the marker.
void RemoveTrayIcon(TrayIcon& tray, TrayIconData& record, Image& picture);
// The shell restarted: the icon it forgot is added again while the picture carries the marker.
void ReAddTrayIcon(TrayIcon& tray, const TrayIconData& record, const Image& picture);

}  // namespace sentrel
