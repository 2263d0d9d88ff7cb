#include "flood_win32.h"

#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace sentrel::bench {

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

FloodResult Flood(int port, int n, int m, int concurrent) {
    FloodResult result;
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<u_short>(port));
    remote.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::atomic<int> connected{0};
    std::vector<std::unique_ptr<test::WorkerThread>> clients;
    result.started = Seconds();
    for (int c = 0; c < concurrent; ++c) {
        clients.push_back(std::make_unique<test::WorkerThread>([&, c] {
            for (int i = c; i < n; i += concurrent) {
                SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
                sockaddr_in local{};
                local.sin_family = AF_INET;
                inet_pton(AF_INET, SourceAddress(i, m).c_str(), &local.sin_addr);
                if (bind(client, reinterpret_cast<sockaddr*>(&local), sizeof(local)) == 0 &&
                    connect(client, reinterpret_cast<sockaddr*>(&remote), sizeof(remote)) == 0) {
                    connected.fetch_add(1);
                }
                closesocket(client);
            }
        }));
    }
    clients.clear();  // waits for every client
    result.finished = Seconds();
    result.connected = connected.load();
    return result;
}

namespace {

SOCKET ListeningSocket(int port) {
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    listen(listener, SOMAXCONN);
    return listener;
}

}  // namespace

MinimalAcceptLoop::MinimalAcceptLoop(int port)
    : listener_(ListeningSocket(port)), thread_([this] { AcceptUntilClosed(); }) {}

MinimalAcceptLoop::~MinimalAcceptLoop() {
    closesocket(listener_);
    thread_.Join();
}

void MinimalAcceptLoop::AcceptUntilClosed() {
    for (;;) {
        sockaddr_storage peer{};
        int length = sizeof(peer);
        SOCKET connection = accept(listener_, reinterpret_cast<sockaddr*>(&peer), &length);
        if (connection == INVALID_SOCKET) {
            if (WSAGetLastError() == WSAECONNRESET) {
                continue;
            }
            return;  // the listener was closed
        }
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in&>(peer).sin_addr, text, sizeof(text));
        const linger abortive{1, 0};
        setsockopt(connection, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
                   sizeof(abortive));
        closesocket(connection);
        accepted_.fetch_add(1);
        lastAccept_.store(Seconds());
    }
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

ChildWatcher::ChildWatcher(std::wstring name)
    : name_(std::move(name)), thread_([this] {
          while (!stop_) {
              peak_ = std::max(peak_.load(), RunningNow());
              Sleep(100);
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
        count += entry.th32ParentProcessID == GetCurrentProcessId() &&
                 _wcsicmp(entry.szExeFile, name_.c_str()) == 0;
    }
    CloseHandle(snapshot);
    return count;
}

Footprint MeasureFootprint() {
    // Counted by hand: Wine reports neither a handle count nor private bytes.
    Footprint footprint;
    constexpr std::uintptr_t kHighestHandle = 0x10000;
    for (std::uintptr_t value = 4; value < kHighestHandle; value += 4) {
        DWORD flags = 0;
        footprint.handles += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0;
    }
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            footprint.privateBytes += static_cast<double>(region.RegionSize);
        }
    }
    return footprint;
}

PingProcess::PingProcess(HWND window, const std::wstring& ownPath) {
    const std::wstring id = std::to_wstring(GetCurrentProcessId());
    eventName_ = L"SentrelProbeFloodStop" + id;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    resultPath_ = std::wstring(temp) + L"probe_flood_ping_" + id + L".txt";
    stop_ = CreateEventW(nullptr, TRUE, FALSE, eventName_.c_str());
    std::wstring commandLine = L"\"" + ownPath + L"\" --ping " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(window)) + L" \"" +
                               resultPath_ + L"\" " + eventName_;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
    }
}

PingProcess::~PingProcess() {
    if (process_ != nullptr) {
        SetEvent(stop_);
        WaitForSingleObject(process_, 10000);
        CloseHandle(process_);
    }
    CloseHandle(stop_);
    DeleteFileW(resultPath_.c_str());
}

PingResult PingProcess::Stop() {
    PingResult result;
    if (process_ == nullptr) {
        return result;
    }
    SetEvent(stop_);
    WaitForSingleObject(process_, 10000);
    std::ifstream in(resultPath_.c_str());
    in >> result.answered >> result.worstMs >> result.meanMs;
    return result;
}

int RunPingChild(HWND window, const std::wstring& resultPath, const std::wstring& eventName) {
    HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, eventName.c_str());
    if (stop == nullptr) {
        return 1;
    }
    int answered = 0;
    double worst = 0;
    double total = 0;
    while (WaitForSingleObject(stop, 5) == WAIT_TIMEOUT) {
        DWORD_PTR answer = 0;
        wchar_t text[64] = {};
        const double before = Seconds();
        const bool ok =
            SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                                SMTO_NORMAL, 10000, &answer) != 0;
        const double ms = (Seconds() - before) * 1000;
        if (ok) {
            ++answered;
            worst = std::max(worst, ms);
            total += ms;
        }
    }
    CloseHandle(stop);
    std::ofstream out(resultPath.c_str());
    out << answered << ' ' << worst << ' ' << (answered > 0 ? total / answered : 0) << '\n';
    return 0;
}

}  // namespace sentrel::bench
