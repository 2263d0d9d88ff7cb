// The probe listener's handlers: listening, each probe and its reply, and the socket's errors.
#include "listener/listener.h"
#include "listener/probe_record.h"
#include "listener/replies.h"
#include "shell/sounds.h"
#include "shell/tray.h"
#include "window/wmain.h"

namespace sentrel {

void WMain::StartListening() {
    const std::string portText = txtSocketPort.Text();
    if (StartListener(services.socket, portText)) {
        SetStatusText("Waiting for incoming connections...");
        return;
    }
    // Every failure is reported as a port in use, with the port text as typed.
    services.dialogs.ShowMessage("Port " + portText +
                                     " is already being used by another program, quite \r\n"
                                     "possibly another instance of Sentrel.",
                                 kMsgCritical, "");
    AddLogEntry("Couldn't start listening on port " + portText + ". Listening aborted.");
    SetStatusText("Port " + portText +
                  " is currently in-use by another application. Not listening.");
}

void WMain::sckSocket_ConnectionRequest() {
    // 1. The address of the attempt.
    const std::string ip = services.socket.RemoteHostIP();
    // 2. The socket reset the attempt when it read the address; the listener stays open.
    // 3-5. Count, log, remember.
    IncrementProbeCounter();
    AddLogEntry("Probed by " + ip + "; replying with message.", LogKind::Probe);
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

bool WMain::SendReturnMessage(const std::string& ip, const std::string& message) {
    const bool handedOver = SendReply(
        services.launcher, state.replies, ip, message, [this](const std::string& failure) {
            AddLogEntry("Replies are not being delivered: NET SEND " + failure + ".",
                        LogKind::Failure);
        });
    SetStatusText(handedOver ? "Sent message to: " + ip + " ..."
                             : "Reply to " + ip + " skipped: too many replies still running.");
    return handedOver;
}

void WMain::sckSocket_Error(int /*number*/, const std::string& description) {
    AddLogEntry("SocketError: " + description + ".");
}

}  // namespace sentrel
