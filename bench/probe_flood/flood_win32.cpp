#include "flood_win32.h"

#include <tlhelp32.h>

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace sentrel::bench {

namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr DWORD kHoldMs = 10;

enum class Attempt { Connected, TimedOut, Refused };

// One attempt from `source`: connect without blocking, wait at most the timeout, hold, hang up.
Attempt ConnectOnce(const sockaddr_in& remote, const std::string& source) {
    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (client == INVALID_SOCKET) {
        return Attempt::Refused;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, source.c_str(), &local.sin_addr);
    u_long nonBlocking = 1;
    ioctlsocket(client, FIONBIO, &nonBlocking);
    Attempt result = Attempt::Refused;
    if (bind(client, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) == 0) {
        const int started =
            connect(client, reinterpret_cast<const sockaddr*>(&remote), sizeof(remote));
        if (started == 0 || WSAGetLastError() == WSAEWOULDBLOCK) {
            fd_set writable;
            fd_set failed;
            FD_ZERO(&writable);
            FD_ZERO(&failed);
            FD_SET(client, &writable);
            FD_SET(client, &failed);
            timeval timeout{kConnectTimeoutMs / 1000, (kConnectTimeoutMs % 1000) * 1000};
            const int ready = started == 0 ? 1 : select(0, nullptr, &writable, &failed, &timeout);
            int error = 0;
            int length = sizeof(error);
            getsockopt(client, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
            if (ready == 0) {
                result = Attempt::TimedOut;
            } else if (ready > 0 && error == 0 && (started == 0 || FD_ISSET(client, &writable))) {
                result = Attempt::Connected;
                Sleep(kHoldMs);
            }
        }
    }
    closesocket(client);
    return result;
}

}  // namespace

double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

std::string SourceAddress(int i, int m) {
    const int k = i % m;
    return "127.0." + std::to_string(k / 250) + "." + std::to_string(1 + k % 250);
}

int FreePort() {
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int length = sizeof(address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(probe);
    return ntohs(address.sin_port);
}

FloodResult Flood(int port, const FloodShape& shape) {
    FloodResult result;
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<u_short>(port));
    remote.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::atomic<int> counts[3] = {};
    std::vector<std::unique_ptr<test::WorkerThread>> clients;
    result.started = Seconds();
    for (int c = 0; c < shape.concurrent; ++c) {
        clients.push_back(std::make_unique<test::WorkerThread>([&, c] {
            for (int i = c; i < shape.attempts; i += shape.concurrent) {
                const Attempt attempt = ConnectOnce(remote, SourceAddress(i, shape.addresses));
                counts[static_cast<int>(attempt)].fetch_add(1);
            }
        }));
    }
    clients.clear();  // waits for every client
    result.finished = Seconds();
    result.connected = counts[static_cast<int>(Attempt::Connected)].load();
    result.timedOut = counts[static_cast<int>(Attempt::TimedOut)].load();
    result.refused = counts[static_cast<int>(Attempt::Refused)].load();
    return result;
}

Pinger::Pinger(HWND window)
    : thread_([this, window] {
          while (!stop_) {
              DWORD_PTR answer = 0;
              wchar_t text[64] = {};
              const double before = Seconds();
              const bool ok = SendMessageTimeoutW(window, WM_GETTEXT, std::size(text),
                                                  reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                                                  10000, &answer) != 0;
              const double ms = (Seconds() - before) * 1000;
              worstMs_ = std::max(worstMs_.load(), ms);
              unanswered_ += ok ? 0 : 1;
              Sleep(5);
          }
      }) {}

Pinger::~Pinger() {
    stop_ = true;
    thread_.Join();
}

ChildWatcher::ChildWatcher(DWORD parent, std::wstring name)
    : parent_(parent), name_(std::move(name)), thread_([this] {
          while (!stop_) {
              peak_ = std::max(peak_.load(), RunningNow());
              Sleep(50);
          }
      }) {}

ChildWatcher::~ChildWatcher() {
    stop_ = true;
    thread_.Join();
}

int ChildWatcher::RunningNow() const {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        count +=
            entry.th32ParentProcessID == parent_ && _wcsicmp(entry.szExeFile, name_.c_str()) == 0;
    }
    CloseHandle(snapshot);
    return count;
}

Footprint MeasureFootprint(HANDLE process) {
    Footprint footprint;
    // Wine reports no handle count: each value is tried by duplicating it.
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count) && count > 0) {
        footprint.handles = static_cast<long>(count);
    } else {
        constexpr std::uintptr_t kHighestHandle = 0x10000;
        for (std::uintptr_t value = 4; value < kHighestHandle; value += 4) {
            HANDLE copy = nullptr;
            if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(),
                                &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
                ++footprint.handles;
                CloseHandle(copy);
            }
        }
    }
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            footprint.privateKiB += static_cast<double>(region.RegionSize) / 1024;
        }
    }
    return footprint;
}

}  // namespace sentrel::bench
