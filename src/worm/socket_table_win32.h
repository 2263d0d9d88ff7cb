#pragma once
// The machine's sockets and their owners through the IP helper's extended tables.
#include "worm/socket_table.h"

namespace sentrel {

class Win32SocketTable : public SocketTable {
public:
    std::vector<SocketOwner> TcpListeners() override;
    std::vector<SocketOwner> UdpSockets() override;
};

}  // namespace sentrel
