#pragma once
// The machine's sockets and their owners through the IP helper's extended tables.
// winsock2 before windows.h, which would otherwise bring in the old winsock.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <memory>
#include <vector>

#include "base/system_functions_win32.h"
#include "worm/socket_table.h"

namespace sentrel {

struct RecentSocketLookups;

// The IP helper's two table functions; null where the DLL or the function is missing, and then
// no socket is listed.
struct SocketTableFunctions {
    decltype(&GetExtendedTcpTable) tcp = nullptr;
    decltype(&GetExtendedUdpTable) udp = nullptr;
};

class Win32SocketTable : public SocketTable {
public:
    Win32SocketTable();
    // Waits for a look-up still running in the background.
    ~Win32SocketTable() override;
    Win32SocketTable(const Win32SocketTable&) = delete;
    Win32SocketTable& operator=(const Win32SocketTable&) = delete;

    std::vector<SocketOwner> TcpListenersOn(std::uint16_t port) override;
    std::vector<SocketOwner> UdpSocketsOn(std::uint16_t port) override;
    // Under Wine a table costs tens of milliseconds with a flood's connections in it: these
    // answer from the last look-up and start the next on a thread of its own.
    std::vector<SocketOwner> RecentTcpListenersOn(std::uint16_t port) override;
    std::vector<SocketOwner> RecentUdpSocketsOn(std::uint16_t port) override;

private:
    std::vector<SocketOwner> Recent(bool tcp, std::uint16_t port);

    // Loaded by its full path: iphlpapi is not a known DLL.
    SystemLibrary iphlpapi_{L"iphlpapi.dll"};
    SocketTableFunctions functions_;
    // The last tables, kept so that the next tick's fits in one call.
    std::vector<unsigned char> tcpTable_;
    std::vector<unsigned char> udpTable_;
    std::unique_ptr<RecentSocketLookups> recent_;
};

}  // namespace sentrel
