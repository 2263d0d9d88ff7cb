#pragma once
// Fakes of the listener's services: the socket and the launcher.
#include <string>
#include <vector>

#include "listener/launcher.h"
#include "listener/probe_socket.h"

namespace sentrel::test {

class FakeProbeSocket : public ProbeSocket {
public:
    void Close() override { listening = false; }
    int LocalPort() const override { return port; }
    void SetLocalPort(int p) override { port = p; }
    void Listen() override { listening = true; }
    std::string RemoteHostIP() const override { return remoteIp; }

    int port = 0;
    bool listening = false;
    std::string remoteIp;
};

class FakeLauncher : public Launcher {
public:
    LaunchResult StartHidden(const std::string& commandLine) override {
        commandLines.push_back(commandLine);
        return result;
    }
    std::vector<std::string> commandLines;
    LaunchResult result{true, {}};
};

}  // namespace sentrel::test
