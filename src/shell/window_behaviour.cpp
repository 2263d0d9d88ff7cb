// The window's resize handler and the tray icon's callback: minimising to the tray and back.
#include "app/wmain.h"
#include "base/format.h"
#include "shell/tray.h"

namespace sentrel {

namespace {

constexpr int kLeftButtonUp = 0x202;   // WM_LBUTTONUP
constexpr int kRightButtonUp = 0x205;  // WM_RBUTTONUP

}  // namespace

std::string WMain::TrayTipText(const std::string& title) const {
    return title + " - [" + stbStatus.Panel("_counter").text + "]";
}

void WMain::Form_Resize() {
    if (chkMinimiseToTray.Value() != 1) {
        return;
    }
    if (wMain.GetWindowState() != WindowState::Minimised) {
        RemoveTrayIcon(services.tray, state.trayIcon, imgSystray);
        wMain.Show();
        return;
    }
    const std::string title = "Sentrel v1." + FormatPadded(services.environment.Version().minor, 2);
    AddTrayIcon(services.tray, state.trayIcon, imgSystray, TrayTipText(title));
    wMain.Hide();
}

void WMain::Form_TrayCallback(int mouseMessage) {
    if (mouseMessage == kLeftButtonUp) {
        if (wMain.GetWindowState() != WindowState::Normal) {
            RestoreFromTray();
        } else {
            // The resize handler puts the icon in the tray.
            wMain.SetWindowState(WindowState::Minimised);
            wMain.Hide();
        }
    } else if (mouseMessage == kRightButtonUp) {
        services.dialogs.ShowMessage("Context menu? Here? At this time of the day? Well I never..!",
                                     kMsgExclamation, "Sentrel, Baby!");
        RestoreFromTray();
    }
}

void WMain::RestoreFromTray() {
    // The resize handler takes the icon out of the tray.
    wMain.SetWindowState(WindowState::Normal);
    wMain.Show();
    wMain.ZOrder();
}

void WMain::Form_TaskbarCreated() {
    ReAddTrayIcon(services.tray, state.trayIcon, imgSystray);
}

}  // namespace sentrel
