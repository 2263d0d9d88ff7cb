#pragma once
// The yardstick: the program's own socket cycle and nothing else, in a process of its own. One
// window; WSAAsyncSelect FD_ACCEPT on a listener that stays open; accept, read the address,
// reset (SO_LINGER 0). No window updates, no processes started.
#include <windows.h>

#include <string>

namespace sentrel::bench {

// What the loop shares with the bench, in memory both can see.
struct BareLoopCounters {
    volatile LONG accepted;
    volatile double lastAccept;  // Seconds() of the latest accept
    volatile HWND window;
    volatile LONG listening;
};

// The child's side: listens on the port until its window is closed.
int RunBareLoop(int port, const std::wstring& sharedName);

// The bench's side: starts `ownPath --bare-loop port name` and sees its counters.
class BareLoopProcess {
public:
    BareLoopProcess(const std::wstring& ownPath, int port);
    ~BareLoopProcess();
    BareLoopProcess(const BareLoopProcess&) = delete;
    BareLoopProcess& operator=(const BareLoopProcess&) = delete;
    bool Ready() const;
    const BareLoopCounters& Counters() const { return *counters_; }
    HANDLE Process() const { return process_; }

private:
    HANDLE mapping_ = nullptr;
    BareLoopCounters* counters_ = nullptr;
    HANDLE process_ = nullptr;
};

}  // namespace sentrel::bench
