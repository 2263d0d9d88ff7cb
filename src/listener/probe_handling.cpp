// A probe: count it, log it, remember the address, answer it and keep listening.
#include "app/settings.h"
#include "app/wmain.h"
#include "listener/probe_record.h"
#include "listener/return_message.h"
#include "shell/sounds.h"
#include "shell/tray.h"

namespace sentrel {

void WMain::sckSocket_ConnectionRequest() {
    // 1. The address of the attempt.
    const std::string ip = services.socket.RemoteHostIP();
    // 2. The socket reset the attempt when it read the address; the listener stays open.
    // 3-5. Count, log, remember.
    IncrementProbeCounter();
    AddLogEntry("Probed by " + ip + "; replying with message.", true, kLogProbeColour);
    AddRemoteIp(state.ipList, state.ipListIndex, ip);
    // 6. Answer.
    const bool sent = SendReturnMessage(ip, state.composedReturnMessage);
    // 7. Listen again (on a new port if the port text changed).
    StartListening();
    // 8. This replaces whatever steps 6 and 7 reported.
    SetStatusText("Connection attempted by " + ip +
                  (sent ? "; return message sent." : "; reply skipped."));
    // 9. The tray tip follows the count.
    if (wMain.GetWindowState() == WindowState::Minimised) {
        ModifyTrayIcon(services.tray, state.trayIcon, nullptr, TrayTipText(labTitle.Caption()));
    }
    // 10.
    if (state.soundEnabled) {
        PlaySoundFile(services.sound, state.sounds.probe);
    }
}

void WMain::IncrementProbeCounter() {
    ++state.probeCount;
    stbStatus.SetPanelText(
        "_counter", ProbeCounterText(state.probeCount, services.locale.ThousandsSeparator()));
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
