#pragma once
// The benchmark's load and its instruments, all outside the program measured: the flood of
// connection attempts, the watch on a window's answers, on a process's children and on its
// footprint.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>

#include "wine/support/worker_thread.h"

namespace sentrel::bench {

double Seconds();  // a monotonic clock, the same in every process of the machine

// The source address of attempt i when m distinct addresses take turns: 127.0.x.y.
std::string SourceAddress(int i, int m);

// A port nobody listens on just now.
int FreePort();

struct FloodShape {
    int attempts = 0;
    int addresses = 0;
    int concurrent = 0;
};

// `concurrent` clients connect to 127.0.0.1:port in turn from `addresses` source addresses,
// `attempts` times in all; a client holds its connection 10 ms and hangs up. An attempt the
// listener's backlog has no room for is retried by the system and given up after 5 s.
struct FloodResult {
    int connected = 0;
    int timedOut = 0;
    int refused = 0;  // refused or failed otherwise
    double started = 0;
    double finished = 0;
};
FloodResult Flood(int port, const FloodShape& shape);

// Asks a window of another process for its text every few milliseconds and keeps the worst
// time it took to answer.
class Pinger {
public:
    explicit Pinger(HWND window);
    ~Pinger();
    Pinger(const Pinger&) = delete;
    Pinger& operator=(const Pinger&) = delete;
    double WorstMs() const { return worstMs_.load(); }
    int Unanswered() const { return unanswered_.load(); }

private:
    std::atomic<bool> stop_{false};
    std::atomic<double> worstMs_{0};
    std::atomic<int> unanswered_{0};
    test::WorkerThread thread_;
};

// The most children named `name` of the process that ran at once while it watched.
class ChildWatcher {
public:
    ChildWatcher(DWORD parent, std::wstring name);
    ~ChildWatcher();
    ChildWatcher(const ChildWatcher&) = delete;
    ChildWatcher& operator=(const ChildWatcher&) = delete;
    int Peak() const { return peak_.load(); }
    int RunningNow() const;

private:
    DWORD parent_;
    std::wstring name_;
    std::atomic<bool> stop_{false};
    std::atomic<int> peak_{0};
    test::WorkerThread thread_;
};

// Another process's handle count and private bytes.
struct Footprint {
    long handles = 0;
    double privateKiB = 0;
};
Footprint MeasureFootprint(HANDLE process);

}  // namespace sentrel::bench
