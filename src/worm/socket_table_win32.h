#pragma once
// The machine's sockets and their owners through the IP helper's extended tables.
#include <vector>

#include "worm/socket_table.h"

namespace sentrel {

class Win32SocketTable : public SocketTable {
public:
    std::vector<SocketOwner> TcpListenersOn(std::uint16_t port) override;
    std::vector<SocketOwner> UdpSocketsOn(std::uint16_t port) override;

private:
    // The last tables, kept so that the next tick's fits in one call.
    std::vector<unsigned char> tcpTable_;
    std::vector<unsigned char> udpTable_;
};

}  // namespace sentrel
