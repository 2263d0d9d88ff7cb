#include "worm/socket_table_win32.h"

// winsock2 before windows.h, which would otherwise bring in the old winsock.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

namespace sentrel {

namespace {

// Asks for the size, then for the table; the table may grow in between, so it asks again.
template <class Table, class Fetch>
std::vector<SocketOwner> OwnersFrom(Fetch fetch) {
    std::vector<SocketOwner> owners;
    std::vector<unsigned char> buffer;
    DWORD size = 0;
    DWORD result = ERROR_INSUFFICIENT_BUFFER;
    for (int attempt = 0; attempt < 4 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        buffer.resize(size);
        result = fetch(buffer.empty() ? nullptr : buffer.data(), &size);
    }
    if (result != NO_ERROR) {
        return owners;
    }
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    const DWORD self = GetCurrentProcessId();
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const auto& row = table->table[i];
        if (row.dwOwningPid != self) {
            owners.push_back({ntohs(static_cast<u_short>(row.dwLocalPort)), row.dwOwningPid});
        }
    }
    return owners;
}

}  // namespace

std::vector<SocketOwner> Win32SocketTable::TcpListeners() {
    return OwnersFrom<MIB_TCPTABLE_OWNER_PID>([](void* table, DWORD* size) {
        return GetExtendedTcpTable(table, size, FALSE, AF_INET, TCP_TABLE_OWNER_PID_LISTENER, 0);
    });
}

std::vector<SocketOwner> Win32SocketTable::UdpSockets() {
    return OwnersFrom<MIB_UDPTABLE_OWNER_PID>([](void* table, DWORD* size) {
        return GetExtendedUdpTable(table, size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0);
    });
}

}  // namespace sentrel
