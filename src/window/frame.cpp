// The window's frame: the page toolbar, the status bar, and minimising to the tray and back.
#include "shell/tray.h"
#include "window/wmain.h"

namespace sentrel {

namespace {

constexpr int kLeftButtonUp = 0x202;   // WM_LBUTTONUP
constexpr int kRightButtonUp = 0x205;  // WM_RBUTTONUP

}  // namespace

void SwitchTab(ControlArray<Frame, 4>& frames, const std::string& tag, Toolbar& toolbar,
               int buttonIndex) {
    for (std::size_t i = 0; i < frames.Count(); ++i) {
        if (frames[i].Tag() == tag) {
            frames.BringToFront(i);
            break;
        }
    }
    if (buttonIndex <= 0) {
        return;
    }
    for (int j = 1; j <= toolbar.ButtonCount(); ++j) {
        toolbar.SetButtonValue(j, false);
    }
    toolbar.SetButtonValue(buttonIndex, true);
}

void WMain::tbrMain_ButtonClick(int index) {
    SwitchTab(fraContainer, tbrMain.Button(index).tag, tbrMain, index);
    tbrMain.ZOrder();
}

void WMain::SetStatusText(const std::string& text) {
    stbStatus.SetPanelText("_general", text);
    stbStatus.SetPanelToolTip("_general", text);
}

void WMain::stbStatus_PanelClick(int index) {
    services.dialogs.ShowMessage(stbStatus.Panel(index).text, kMsgInformation, "Sentrel");
}

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
    AddTrayIcon(services.tray, state.trayIcon, imgSystray,
                TrayTipText(TitleText(services.environment.Version())));
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
