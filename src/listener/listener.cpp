#include "listener/listener.h"

#include "base/format.h"

namespace sentrel {

namespace {

constexpr int kLowestPort = 1;
constexpr int kHighestPort = 65535;

}  // namespace

bool StartListener(ProbeSocket& socket, const std::string& portText) {
    const int port = RoundToInt(LeadingNumber(portText));
    try {
        if (socket.Listening() && socket.LocalPort() == port) {
            return true;
        }
        socket.Close();
        // Port 0 would mean "any port", which no router forwards to.
        if (port < kLowestPort || port > kHighestPort) {
            return false;
        }
        socket.SetLocalPort(port);
        socket.Listen();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace sentrel
