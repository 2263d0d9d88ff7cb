#pragma once
// The machine's IPv4 sockets on a port, with the processes that own them.
#include <cstdint>
#include <vector>

namespace sentrel {

struct SocketOwner {
    std::uint16_t port = 0;
    std::uint32_t processId = 0;  // 0 when the system does not tell
};

class SocketTable {
public:
    virtual ~SocketTable() = default;
    // The listening TCP sockets, or the bound UDP sockets, on the port; the program's own are
    // left out.
    virtual std::vector<SocketOwner> TcpListenersOn(std::uint16_t port) = 0;
    virtual std::vector<SocketOwner> UdpSocketsOn(std::uint16_t port) = 0;
    // The same as the system told them at most one look-up ago, without waiting for it (the
    // task scanner's tick, which must not hold the window). The first look-up waits.
    virtual std::vector<SocketOwner> RecentTcpListenersOn(std::uint16_t port) {
        return TcpListenersOn(port);
    }
    virtual std::vector<SocketOwner> RecentUdpSocketsOn(std::uint16_t port) {
        return UdpSocketsOn(port);
    }
};

}  // namespace sentrel
