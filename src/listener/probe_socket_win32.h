#pragma once
// sckSocket on Winsock: a TCP listener whose connection attempts arrive as window messages on
// the thread that made it (the user-interface thread), so no locking is ever needed.
#include <string>

#include "listener/probe_socket.h"
#include "listener/winsock_win32.h"

namespace sentrel {

class WinsockProbeSocket : public ProbeSocket {
public:
    // Starts Winsock and makes the message-only window that receives the notifications.
    // Throws std::runtime_error when either fails.
    WinsockProbeSocket();
    ~WinsockProbeSocket() override;
    WinsockProbeSocket(const WinsockProbeSocket&) = delete;
    WinsockProbeSocket& operator=(const WinsockProbeSocket&) = delete;

    void Close() override;
    int LocalPort() const override { return port_; }
    void SetLocalPort(int port) override;
    void Listen() override;
    bool Listening() const override { return listener_.Valid(); }
    std::string RemoteHostIP() const override { return remoteHostIp_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    UINT NextNotifyMessage();
    void OnSocketNotification(UINT message, SOCKET socket, WORD event, WORD error);
    void OnConnectionAttempt();
    void FailListening(int error);

    WinsockSession winsock_;
    UniqueWindow window_;
    UniqueSocket listener_;
    int port_ = 0;
    unsigned listenerGeneration_ = 0;
    UINT notifyMessage_ = 0;
    std::string remoteHostIp_;
};

}  // namespace sentrel
