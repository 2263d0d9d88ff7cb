#pragma once
// The machine's sockets and their owners through the IP helper's extended tables.
#include "worm/socket_table.h"

namespace sentrel {

class Win32SocketTable : public SocketTable {
public:
    std::vector<SocketOwner> TcpListenersOn(std::uint16_t port) override;
    std::vector<SocketOwner> UdpSocketsOn(std::uint16_t port) override;
};

}  // namespace sentrel
