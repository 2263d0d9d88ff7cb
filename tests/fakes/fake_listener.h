#pragma once
// Fakes of the listener's services: the socket and the launcher.
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "shell/launcher.h"
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

// Keeps every command handed over as running until the test ends it.
class FakeLauncher : public Launcher {
public:
    void StartHidden(const std::string& program, const std::string& commandLine,
                     Ended ended) override {
        programs.push_back(program);
        commandLines.push_back(commandLine);
        running.push_back(std::move(ended));
    }
    // The oldest command still running ends this way.
    void EndOldest(const LaunchOutcome& outcome = {true, {}, 0}) {
        const Ended ended = std::move(running.front());
        running.pop_front();
        ended(outcome);
    }

    std::vector<std::string> programs;
    std::vector<std::string> commandLines;
    std::deque<Ended> running;
};

}  // namespace sentrel::test
