#include "worm/socket_table_win32.h"

// winsock2 before windows.h, which would otherwise bring in the old winsock.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

namespace sentrel {

namespace {

// Fills the buffer with the table. The buffer is kept between calls, so a table that has not
// outgrown it takes one call; one that has (or grows in between) is asked again. False when the
// table cannot be had.
template <class Fetch>
bool FillTable(std::vector<unsigned char>& buffer, Fetch fetch) {
    auto size = static_cast<DWORD>(buffer.size());
    DWORD result = fetch(buffer.empty() ? nullptr : buffer.data(), &size);
    for (int attempt = 0; attempt < 4 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        buffer.resize(size);
        result = fetch(buffer.data(), &size);
    }
    return result == NO_ERROR && !buffer.empty();
}

template <class Table, class Fetch>
std::vector<SocketOwner> OwnersOn(std::uint16_t port, std::vector<unsigned char>& buffer,
                                  Fetch fetch) {
    std::vector<SocketOwner> owners;
    if (!FillTable(buffer, fetch)) {
        return owners;
    }
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    const DWORD self = GetCurrentProcessId();
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const auto& row = table->table[i];
        if (ntohs(static_cast<u_short>(row.dwLocalPort)) == port && row.dwOwningPid != self) {
            owners.push_back({port, row.dwOwningPid});
        }
    }
    return owners;
}

}  // namespace

std::vector<SocketOwner> Win32SocketTable::TcpListenersOn(std::uint16_t port) {
    return OwnersOn<MIB_TCPTABLE_OWNER_PID>(port, tcpTable_, [](void* table, DWORD* size) {
        return GetExtendedTcpTable(table, size, FALSE, AF_INET, TCP_TABLE_OWNER_PID_LISTENER, 0);
    });
}

std::vector<SocketOwner> Win32SocketTable::UdpSocketsOn(std::uint16_t port) {
    return OwnersOn<MIB_UDPTABLE_OWNER_PID>(port, udpTable_, [](void* table, DWORD* size) {
        return GetExtendedUdpTable(table, size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0);
    });
}

}  // namespace sentrel
