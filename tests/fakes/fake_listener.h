#pragma once
// Fakes of the listener's services: the socket and the launcher.
#include <set>
#include <string>
#include <vector>

#include "listener/launcher.h"
#include "listener/probe_socket.h"

namespace sentrel::test {

class FakeProbeSocket : public ProbeSocket {
public:
    void Close() override {
        listening = false;
        ++closes;
    }
    int LocalPort() const override { return port; }
    void SetLocalPort(int p) override { port = p; }
    void Listen() override {
        ++listens;
        if (portsInUse.count(port) != 0) {
            throw SocketError(10048, "Only one usage of each socket address is normally permitted");
        }
        listening = true;
    }
    bool Listening() const override { return listening; }
    std::string RemoteHostIP() const override { return remoteIp; }

    // A connection attempt from ip reaches the listener.
    void Connect(const std::string& ip) {
        remoteIp = ip;
        if (ConnectionRequest) {
            ConnectionRequest();
        }
    }

    int port = 0;
    bool listening = false;
    std::string remoteIp;
    std::set<int> portsInUse;
    int closes = 0;
    int listens = 0;
};

class FakeLauncher : public Launcher {
public:
    LaunchResult StartHidden(const std::string& commandLine) override {
        commandLines.push_back(commandLine);
        if (result.started && !processesEnd) {
            ++running;
        }
        return result;
    }
    int RunningCount() override { return running; }

    std::vector<std::string> commandLines;
    LaunchResult result{true, {}};
    // False: every process started keeps running until the test ends some (running).
    bool processesEnd = true;
    int running = 0;
};

}  // namespace sentrel::test
