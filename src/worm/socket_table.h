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
};

}  // namespace sentrel
