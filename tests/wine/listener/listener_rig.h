#pragma once
// The main window on the real Winsock listener and the real launcher; every other service a fake.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <memory>
#include <string>

#include "fakes/rig.h"
#include "listener/launcher_win32.h"
#include "listener/probe_socket_win32.h"
#include "wine/support/message_pump.h"

namespace sentrel::test {

// The real launcher, counting the replies handed to it.
struct CountingLauncher : Launcher {
    HiddenLauncher real;
    int started = 0;
    void StartHidden(const std::string& program, const std::string& commandLine,
                     Ended ended) override {
        ++started;
        real.StartHidden(program, commandLine, std::move(ended));
    }
};

struct ListenerRig : Rig {
    WinsockProbeSocket winsock;
    CountingLauncher realLauncher;
    Services real{settings,     environment, dialogs, clock,    locale,    winsock,
                  realLauncher, sound,       shell,   tray,     processes, files,
                  registry,     textFiles,   sockets, wormMutex};

    // Starts the window listening on port.
    explicit ListenerRig(int port) {
        window = std::make_unique<WMain>(real);
        Store("Startup Notice", "1");
        Store("Scan At Startup", "0");
        Store("Play SFX", "0");
        Store("Socket Port", std::to_string(port));
        window->Form_Load();
    }
    // The window goes before the services it uses.
    ~ListenerRig() { window.reset(); }
};

// A port that nobody listens on just now.
inline int FreePort() {
    WinsockSession winsock;
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int length = sizeof(address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(probe);
    return ntohs(address.sin_port);
}

// Connects from source to 127.0.0.1:port and hangs up; true when the connection was made.
inline bool ConnectFrom(const std::string& source, int port) {
    WinsockSession winsock;
    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, source.c_str(), &local.sin_addr);
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<u_short>(port));
    remote.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected =
        bind(client, reinterpret_cast<sockaddr*>(&local), sizeof(local)) == 0 &&
        connect(client, reinterpret_cast<sockaddr*>(&remote), sizeof(remote)) == 0;
    closesocket(client);
    return connected;
}

}  // namespace sentrel::test
