#pragma once
// Brings the real windows up to date with their models at most about 30 times a second. A
// model changes at once and asks for a mirror; the mirror runs once the messages already
// waiting are handled, and never sooner than a frame after the last one: a flood of changes
// costs the windows one update per frame, showing the latest values. The frame's end is a
// timer while the thread is idle, and a posted message when a request comes after it: a timer
// waits for a queue with nothing posted in it, which a flood never leaves.
#include <windows.h>

#include <functional>
#include <vector>

namespace sentrel {

class MirrorPacer {
public:
    // `owner` receives kMsgMirrorDue and the timer kMirrorTimerId and hands both to Flush().
    explicit MirrorPacer(HWND owner);
    ~MirrorPacer();
    MirrorPacer(const MirrorPacer&) = delete;
    MirrorPacer& operator=(const MirrorPacer&) = delete;

    // Registers what mirroring one window takes; returns its number for Request.
    std::size_t Add(std::function<void()> mirror);
    void Request(std::size_t index);
    // Mirrors every window whose model asked since the last flush.
    void Flush();
    // Some window waits for its model's latest changes.
    bool Pending() const { return scheduled_; }

    static constexpr UINT kMsgMirrorDue = WM_APP + 2;
    static constexpr UINT_PTR kMirrorTimerId = 0x4D52;

private:
    HWND owner_;
    std::vector<std::function<void()>> mirrors_;
    std::vector<bool> requested_;
    bool scheduled_ = false;  // a flush is due a frame after the last
    bool posted_ = false;     // ... and kMsgMirrorDue is on its way
    DWORD frame_ = 0;
    DWORD lastFlush_ = 0;
    DWORD lastFlushCost_ = 0;
};

}  // namespace sentrel
