// Starting the listener, its failure path and the socket's own errors.
#include "app/settings.h"
#include "app/wmain.h"
#include "base/format.h"

namespace sentrel {

namespace {

constexpr int kLowestPort = 1;
constexpr int kHighestPort = 65535;

// Every failure is reported as a port in use, with the port text as typed.
void ReportListenFailure(WMain& w, const std::string& portText) {
    w.services.dialogs.ShowMessage("Port " + portText +
                                       " is already being used by another program, quite \r\n"
                                       "possibly another instance of Sentrel.",
                                   kMsgCritical, "");
    w.AddLogEntry("Couldn't start listening on port " + portText + ". Listening aborted.", false,
                  0);
    w.SetStatusText("Port " + portText +
                    " is currently in-use by another application. Not listening.");
}

}  // namespace

void WMain::StartListening() {
    ProbeSocket& socket = services.socket;
    const std::string portText = txtSocketPort.Text();
    const int port = RoundToInt(LeadingNumber(portText));
    try {
        // A listener already on this port is kept: closing it would drop, uncounted, every
        // attempt waiting in its backlog.
        if (!socket.Listening() || socket.LocalPort() != port) {
            socket.Close();
            // Port 0 would mean "any port", which no router forwards to.
            if (port < kLowestPort || port > kHighestPort) {
                throw SocketError(0, "The port is out of range.");
            }
            socket.SetLocalPort(port);
            socket.Listen();
        }
    } catch (...) {
        ReportListenFailure(*this, portText);
        return;
    }
    SetStatusText("Waiting for incoming connections...");
}

void WMain::sckSocket_Error(int /*number*/, const std::string& description) {
    AddLogEntry("SocketError: " + description + ".", false, 0);
}

void WMain::ResetToDefaultPort_Click() {
    // The Change handler stores it; the listener keeps its port until it next starts.
    txtSocketPort.SetText(DefaultSocketPort);
}

}  // namespace sentrel
