#pragma once
// The machine's IPv4 sockets with the processes that own them.
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
    // Listening TCP sockets and bound UDP sockets; the program's own are left out.
    virtual std::vector<SocketOwner> TcpListeners() = 0;
    virtual std::vector<SocketOwner> UdpSockets() = 0;
};

}  // namespace sentrel
