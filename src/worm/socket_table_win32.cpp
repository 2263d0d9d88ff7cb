#include "worm/socket_table_win32.h"

// winsock2 before windows.h, which would otherwise bring in the old winsock.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

namespace sentrel {

namespace {

// The table as the call fills it, asked for its size first; the table may grow in between, so
// it asks again. Empty when the table cannot be had.
template <class Fetch>
std::vector<unsigned char> TableBytes(Fetch fetch) {
    std::vector<unsigned char> buffer;
    DWORD size = 0;
    DWORD result = ERROR_INSUFFICIENT_BUFFER;
    for (int attempt = 0; attempt < 4 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        buffer.resize(size);
        result = fetch(buffer.empty() ? nullptr : buffer.data(), &size);
    }
    if (result != NO_ERROR) {
        buffer.clear();
    }
    return buffer;
}

template <class Table, class Fetch>
std::vector<SocketOwner> OwnersOn(std::uint16_t port, Fetch fetch) {
    std::vector<SocketOwner> owners;
    const std::vector<unsigned char> bytes = TableBytes(fetch);
    if (bytes.empty()) {
        return owners;
    }
    const auto* table = reinterpret_cast<const Table*>(bytes.data());
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
    return OwnersOn<MIB_TCPTABLE_OWNER_PID>(port, [](void* table, DWORD* size) {
        return GetExtendedTcpTable(table, size, FALSE, AF_INET, TCP_TABLE_OWNER_PID_LISTENER, 0);
    });
}

std::vector<SocketOwner> Win32SocketTable::UdpSocketsOn(std::uint16_t port) {
    return OwnersOn<MIB_UDPTABLE_OWNER_PID>(port, [](void* table, DWORD* size) {
        return GetExtendedUdpTable(table, size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0);
    });
}

}  // namespace sentrel
