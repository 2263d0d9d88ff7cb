#include "ui/mirror_pacer_win32.h"

#include <algorithm>

namespace sentrel {

namespace {

// About 30 updates a second: a user reads no faster.
constexpr DWORD kFrameMs = 33;
// Where one update costs more than a few milliseconds (a slow or busy display: under Wine a
// status-bar text is painted there and then), the frames stretch so that updating takes at most
// an eighth of the thread.
constexpr DWORD kFrameToCost = 8;

}  // namespace

MirrorPacer::MirrorPacer(HWND owner) : owner_(owner), lastFlush_(GetTickCount() - kFrameMs) {}

MirrorPacer::~MirrorPacer() {
    if (scheduled_) {
        KillTimer(owner_, kMirrorTimerId);
    }
}

std::size_t MirrorPacer::Add(std::function<void()> mirror) {
    mirrors_.push_back(std::move(mirror));
    requested_.push_back(false);
    return mirrors_.size() - 1;
}

void MirrorPacer::Request(std::size_t index) {
    requested_.at(index) = true;
    // The tick count wraps after 49 days: only differences are compared.
    const DWORD since = GetTickCount() - lastFlush_;
    if (!scheduled_) {
        scheduled_ = true;
        frame_ = std::max(kFrameMs, lastFlushCost_ * kFrameToCost);
        if (since < frame_) {
            SetTimer(owner_, kMirrorTimerId, frame_ - since, nullptr);
            return;
        }
    }
    // Due: after the messages already waiting.
    if (!posted_ && since >= frame_) {
        posted_ = PostMessageW(owner_, kMsgMirrorDue, 0, 0) != FALSE;
        if (!posted_) {
            Flush();
        }
    }
}

void MirrorPacer::Flush() {
    KillTimer(owner_, kMirrorTimerId);
    scheduled_ = false;
    posted_ = false;
    lastFlush_ = GetTickCount();
    for (std::size_t i = 0; i < mirrors_.size(); ++i) {
        if (requested_[i]) {
            requested_[i] = false;
            mirrors_[i]();
        }
    }
    lastFlushCost_ = GetTickCount() - lastFlush_;
}

}  // namespace sentrel
