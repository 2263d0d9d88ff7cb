#pragma once
// The benchmark's load and its yardsticks: a client that floods a port with connection
// attempts, the minimal accept-and-reset loop, and the responsiveness probe.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

#include "wine/support/worker_thread.h"

namespace sentrel::bench {

double Seconds();  // a monotonic clock

// The source address of attempt i when m distinct addresses take turns: 127.0.x.y.
std::string SourceAddress(int i, int m);

// Connects n times to 127.0.0.1:port from m source addresses in turn, `concurrent` attempts at
// a time, hanging up at once.
struct FloodResult {
    int connected = 0;
    double started = 0;
    double finished = 0;
    double OfferedPerSecond() const { return connected / std::max(1e-9, finished - started); }
};
FloodResult Flood(int port, int n, int m, int concurrent);

// Accepts, reads the peer's address, resets; on a thread of its own until stopped.
class MinimalAcceptLoop {
public:
    explicit MinimalAcceptLoop(int port);
    ~MinimalAcceptLoop();
    MinimalAcceptLoop(const MinimalAcceptLoop&) = delete;
    MinimalAcceptLoop& operator=(const MinimalAcceptLoop&) = delete;
    int Accepted() const { return accepted_.load(); }
    double LastAccept() const { return lastAccept_.load(); }

private:
    void AcceptUntilClosed();

    SOCKET listener_ = INVALID_SOCKET;
    std::atomic<int> accepted_{0};
    std::atomic<double> lastAccept_{0};
    test::WorkerThread thread_;
};

// A port nobody listens on just now.
int FreePort();

// The most programs named `name` that this process started ran at once while it watched.
class ChildWatcher {
public:
    explicit ChildWatcher(std::wstring name);
    ~ChildWatcher();
    ChildWatcher(const ChildWatcher&) = delete;
    ChildWatcher& operator=(const ChildWatcher&) = delete;
    int Peak() const { return peak_.load(); }
    int RunningNow() const;

private:
    std::wstring name_;
    std::atomic<bool> stop_{false};
    std::atomic<int> peak_{0};
    test::WorkerThread thread_;
};

// This process's handle count and private bytes.
struct Footprint {
    unsigned long handles = 0;
    double privateBytes = 0;
};
Footprint MeasureFootprint();

// The child process that measures how long a window takes to answer WM_GETTEXT.
struct PingResult {
    int answered = 0;
    double worstMs = 0;
    double meanMs = 0;
};
class PingProcess {
public:
    PingProcess(HWND window, const std::wstring& ownPath);
    ~PingProcess();
    PingProcess(const PingProcess&) = delete;
    PingProcess& operator=(const PingProcess&) = delete;
    bool Started() const { return process_ != nullptr; }
    PingResult Stop();

private:
    std::wstring resultPath_;
    std::wstring eventName_;
    HANDLE stop_ = nullptr;
    HANDLE process_ = nullptr;
};
// The child's side: pings until the event is set, then writes its result.
int RunPingChild(HWND window, const std::wstring& resultPath, const std::wstring& eventName);

}  // namespace sentrel::bench
