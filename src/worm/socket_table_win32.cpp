#include "worm/socket_table_win32.h"

// winsock2 before windows.h, which would otherwise bring in the old winsock.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <map>
#include <utility>

#include "base/handles_win32.h"

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

std::vector<SocketOwner> TcpOwners(const SocketTableFunctions& functions, std::uint16_t port,
                                   std::vector<unsigned char>& buffer) {
    return OwnersOn<MIB_TCPTABLE_OWNER_PID>(port, buffer, [&functions](void* table, DWORD* size) {
        return functions.tcp == nullptr
                   ? ERROR_NOT_SUPPORTED
                   : functions.tcp(table, size, FALSE, AF_INET, TCP_TABLE_OWNER_PID_LISTENER, 0);
    });
}

std::vector<SocketOwner> UdpOwners(const SocketTableFunctions& functions, std::uint16_t port,
                                   std::vector<unsigned char>& buffer) {
    return OwnersOn<MIB_UDPTABLE_OWNER_PID>(port, buffer, [&functions](void* table, DWORD* size) {
        return functions.udp == nullptr
                   ? ERROR_NOT_SUPPORTED
                   : functions.udp(table, size, FALSE, AF_INET, UDP_TABLE_OWNER_PID, 0);
    });
}

class SectionLock {
public:
    explicit SectionLock(CRITICAL_SECTION& section) : section_(section) {
        EnterCriticalSection(&section_);
    }
    ~SectionLock() { LeaveCriticalSection(&section_); }
    SectionLock(const SectionLock&) = delete;
    SectionLock& operator=(const SectionLock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

// The look-ups asked for recently (TCP or UDP, port) and their last answers; a thread of its
// own looks them all up again whenever woken.
struct RecentSocketLookups {
    using Key = std::pair<bool, std::uint16_t>;  // TCP, port

    explicit RecentSocketLookups(const SocketTableFunctions& tables) : functions(tables) {
        InitializeCriticalSection(&lock);
    }
    ~RecentSocketLookups() {
        if (thread) {
            {
                SectionLock held(lock);
                stopping = true;
            }
            SetEvent(wake.Get());
            WaitForSingleObject(thread.Get(), INFINITE);
        }
        DeleteCriticalSection(&lock);
    }
    RecentSocketLookups(const RecentSocketLookups&) = delete;
    RecentSocketLookups& operator=(const RecentSocketLookups&) = delete;

    static DWORD WINAPI Run(void* self) {
        static_cast<RecentSocketLookups*>(self)->LookUpWhenWoken();
        return 0;
    }
    void LookUpWhenWoken() {
        std::vector<unsigned char> tcpBuffer;
        std::vector<unsigned char> udpBuffer;
        for (;;) {
            WaitForSingleObject(wake.Get(), INFINITE);
            std::map<Key, std::vector<SocketOwner>> fresh;
            {
                SectionLock held(lock);
                if (stopping) {
                    return;
                }
                fresh = answers;
            }
            for (auto& [key, owners] : fresh) {
                owners = key.first ? TcpOwners(functions, key.second, tcpBuffer)
                                   : UdpOwners(functions, key.second, udpBuffer);
            }
            SectionLock held(lock);
            for (auto& [key, owners] : fresh) {
                answers[key] = std::move(owners);
            }
        }
    }

    const SocketTableFunctions functions;
    CRITICAL_SECTION lock;
    const UniqueHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    UniqueHandle thread;
    // Guarded by lock:
    std::map<Key, std::vector<SocketOwner>> answers;
    bool stopping = false;
};

Win32SocketTable::Win32SocketTable()
    : functions_{iphlpapi_.Function<decltype(&GetExtendedTcpTable)>("GetExtendedTcpTable"),
                 iphlpapi_.Function<decltype(&GetExtendedUdpTable)>("GetExtendedUdpTable")} {}
Win32SocketTable::~Win32SocketTable() = default;

std::vector<SocketOwner> Win32SocketTable::TcpListenersOn(std::uint16_t port) {
    return TcpOwners(functions_, port, tcpTable_);
}

std::vector<SocketOwner> Win32SocketTable::UdpSocketsOn(std::uint16_t port) {
    return UdpOwners(functions_, port, udpTable_);
}

std::vector<SocketOwner> Win32SocketTable::RecentTcpListenersOn(std::uint16_t port) {
    return Recent(true, port);
}

std::vector<SocketOwner> Win32SocketTable::RecentUdpSocketsOn(std::uint16_t port) {
    return Recent(false, port);
}

std::vector<SocketOwner> Win32SocketTable::Recent(bool tcp, std::uint16_t port) {
    if (!recent_) {
        recent_ = std::make_unique<RecentSocketLookups>(functions_);
        recent_->thread.Reset(
            CreateThread(nullptr, 0, &RecentSocketLookups::Run, recent_.get(), 0, nullptr));
    }
    std::vector<SocketOwner> owners;
    bool known = false;
    {
        SectionLock held(recent_->lock);
        const auto found = recent_->answers.find({tcp, port});
        if (found != recent_->answers.end()) {
            owners = found->second;
            known = true;
        }
    }
    if (!known || !recent_->thread) {
        // The first look-up (or every one, without a thread to make them) waits.
        owners = tcp ? TcpListenersOn(port) : UdpSocketsOn(port);
        SectionLock held(recent_->lock);
        recent_->answers[{tcp, port}] = owners;
    }
    SetEvent(recent_->wake.Get());
    return owners;
}

}  // namespace sentrel
