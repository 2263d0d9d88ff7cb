// The Settings page's handlers: each stores its setting first, then does its further work.
#include <string>

#include "listener/return_message.h"
#include "shell/settings.h"
#include "window/window_behaviour.h"
#include "window/immunise.h"
#include "window/wmain.h"

namespace sentrel {

// A store that refuses one write refuses them all, at every keystroke: saying it once is enough.
void WMain::StoreSetting(const char* key, const std::string& value) {
    const SettingWriteResult result =
        SaveSetting(services.settings, services.environment, key, value);
    if (!result.stored && !state.settingsFailureLogged) {
        state.settingsFailureLogged = true;
        AddLogEntry("Settings could not be saved: " + result.errorDescription + ".",
                    LogKind::Failure);
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

void WMain::chkScanAtStartup_Click() {
    SaveCheckBox(kKeyScanAtStartup, chkScanAtStartup);
}

void WMain::chkImmunise_Click() {
    SaveCheckBox(kKeyImmunise, chkImmunise);
    SwitchImmunise(*this);
}

void WMain::txtSocketPort_Change() {
    // The running listener takes the new port when it next starts.
    StoreSetting(kKeySocketPort, txtSocketPort.Text());
}

void WMain::txtReturnMessage_Change() {
    StoreSetting(kKeyReturnMessage, txtReturnMessage.Text());
    state.composedReturnMessage = ComposeReturnMessage(txtReturnMessage.Text(), labTitle.Caption());
}

void WMain::cmdResetToDefaultPort_Click() {
    // The Change handler stores it; the listener keeps its port until it next starts.
    txtSocketPort.SetText(DefaultSocketPort);
}

void WMain::cmdTestMsg_Click() {
    if (SendReturnMessage("127.0.0.1", BarsToLineBreaks(txtReturnMessage.Text()))) {
        SetStatusText("Test message has been sent to your own machine.");
    }
}

void WMain::cmdResetToDefaultMsg_Click() {
    // The Change handler stores it and composes the message again.
    txtReturnMessage.SetText(DefaultReturnMessage());
}

}  // namespace sentrel
