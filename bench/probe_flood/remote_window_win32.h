#pragma once
// The program's window read from another process, as a screen reader would: the status bar's
// parts and the event log's cells. Both answer only with memory of their own process, so the
// question and the answer travel through a buffer made there.
#include <windows.h>

#include <cstdint>
#include <string>

namespace sentrel::bench {

class RemoteWindow {
public:
    // The main window of the program running as `process` (waits up to `timeoutMs` for it).
    RemoteWindow(HANDLE process, DWORD processId, DWORD timeoutMs);
    ~RemoteWindow();
    RemoteWindow(const RemoteWindow&) = delete;
    RemoteWindow& operator=(const RemoteWindow&) = delete;

    bool Found() const { return statusBar_ != nullptr && list_ != nullptr; }
    HWND Main() const { return main_; }
    // Presses OK in every message box the program shows (a user dismissing the first-run hint).
    int DismissBoxes() const;
    // The number in the status bar's probe counter, or -1 when it does not answer.
    std::int64_t Counter() const;
    // The probe entries' hit counts, added up.
    std::int64_t HitCountSum() const;

private:
    std::wstring StatusPart(int part) const;
    std::wstring Cell(int item, int column) const;

    HANDLE process_;
    DWORD processId_;
    HWND main_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND list_ = nullptr;
    void* remote_ = nullptr;  // a page in the program's memory
};

// The digits of a text read as one number (digit-group separators skipped); -1 without any.
std::int64_t DigitsOf(const std::wstring& text);

}  // namespace sentrel::bench
