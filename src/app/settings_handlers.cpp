// The Settings page's handlers: each stores its setting first, then does its further work.
#include <string>

#include "app/settings.h"
#include "app/wmain.h"
#include "listener/return_message.h"
#include "shell/window_behaviour.h"
#include "worm/task_scanner.h"

namespace sentrel {

namespace {

constexpr Colour kSettingsFailureColour = Rgb(255, 0, 0);

}  // namespace

// A store that refuses one write refuses them all, at every keystroke: saying it once is enough.
void WMain::StoreSetting(const char* key, const std::string& value) {
    const SettingWriteResult result =
        SaveSetting(services.settings, services.environment, key, value);
    if (!result.stored && !state.settingsFailureLogged) {
        state.settingsFailureLogged = true;
        AddLogEntry("Settings could not be saved: " + result.errorDescription + ".", false,
                    kSettingsFailureColour);
    }
}

void WMain::SaveCheckBox(const char* key, const QelCheckBoxXP& box) {
    StoreSetting(key, std::to_string(box.Value()));
}

void WMain::chkMinimiseToTray_Click() {
    // The resize handler reads the box itself.
    SaveCheckBox(kKeyMinimiseToTray, chkMinimiseToTray);
}

void WMain::chkAlwaysOnTop_Click() {
    SaveCheckBox(kKeyAlwaysOnTop, chkAlwaysOnTop);
    SetTopmost(wMain, chkAlwaysOnTop.Value() == 1);
}

void WMain::chkPlaySFX_Click() {
    // The sound switch was latched at start-up and changes at the next start.
    SaveCheckBox(kKeyPlaySfx, chkPlaySFX);
}

void WMain::chkTaskScanner_Click() {
    SaveCheckBox(kKeyTaskScanner, chkTaskScanner);
    SwitchTaskScanner(*this);
}

void WMain::chkScanAtStartup_Click() {
    SaveCheckBox(kKeyScanAtStartup, chkScanAtStartup);
}

void WMain::txtSocketPort_Change() {
    // The running listener takes the new port when it next starts.
    StoreSetting(kKeySocketPort, txtSocketPort.Text());
}

void WMain::txtReturnMessage_Change() {
    StoreSetting(kKeyReturnMessage, txtReturnMessage.Text());
    state.composedReturnMessage = ComposeReturnMessage(txtReturnMessage.Text(), labTitle.Caption());
}

}  // namespace sentrel
