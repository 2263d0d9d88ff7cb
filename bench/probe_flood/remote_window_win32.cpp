#include "remote_window_win32.h"

#include <commctrl.h>

#include <utility>
#include <vector>

namespace sentrel::bench {

namespace {

constexpr DWORD kAnswerTimeoutMs = 10000;
constexpr SIZE_T kRemoteBytes = 4096;
constexpr int kTextChars = 1024;

struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == search.processId && _wcsicmp(name, search.className) == 0) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className) {
    Search search{processId, className, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Descendant(HWND parent, const wchar_t* className) {
    Search search{0, className, {}};
    GetWindowThreadProcessId(parent, &search.processId);
    EnumChildWindows(parent, &CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

}  // namespace

std::int64_t DigitsOf(const std::wstring& text) {
    std::int64_t n = -1;
    for (wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            n = (n < 0 ? 0 : n * 10) + (c - L'0');
        }
    }
    return n;
}

RemoteWindow::RemoteWindow(HANDLE process, DWORD processId, DWORD timeoutMs)
    : process_(process), processId_(processId) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline && !Found()) {
        const std::vector<HWND> mains = TopLevelWindows(processId_, L"SentrelMain");
        if (!mains.empty() && IsWindowVisible(mains.front())) {
            main_ = mains.front();
            statusBar_ = Descendant(main_, STATUSCLASSNAMEW);
            list_ = Descendant(main_, WC_LISTVIEWW);
        }
        Sleep(50);
    }
    remote_ =
        VirtualAllocEx(process_, nullptr, kRemoteBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteWindow::~RemoteWindow() {
    if (remote_ != nullptr) {
        VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    }
}

int RemoteWindow::DismissBoxes() const {
    int dismissed = 0;
    for (HWND box : TopLevelWindows(processId_, L"#32770")) {
        if (IsWindowVisible(box)) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            ++dismissed;
        }
    }
    return dismissed;
}

std::wstring RemoteWindow::StatusPart(int part) const {
    if (remote_ == nullptr) {
        return {};
    }
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(statusBar_, SB_GETTEXTW, static_cast<WPARAM>(part),
                            reinterpret_cast<LPARAM>(remote_), SMTO_NORMAL, kAnswerTimeoutMs,
                            &answer) == 0) {
        return {};
    }
    std::vector<wchar_t> text(kTextChars + 1, L'\0');
    SIZE_T read = 0;
    ReadProcessMemory(process_, remote_, text.data(), kTextChars * sizeof(wchar_t), &read);
    return text.data();
}

std::wstring RemoteWindow::Cell(int item, int column) const {
    if (remote_ == nullptr) {
        return {};
    }
    // The item's description first, its text buffer behind it, both in the program's memory.
    auto* base = static_cast<char*>(remote_);
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = reinterpret_cast<wchar_t*>(base + sizeof(LVITEMW));
    cell.cchTextMax = static_cast<int>((kRemoteBytes - sizeof(LVITEMW)) / sizeof(wchar_t));
    SIZE_T moved = 0;
    WriteProcessMemory(process_, base, &cell, sizeof(cell), &moved);
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                            reinterpret_cast<LPARAM>(base), SMTO_NORMAL, kAnswerTimeoutMs,
                            &answer) == 0) {
        return {};
    }
    std::vector<wchar_t> text(kTextChars + 1, L'\0');
    ReadProcessMemory(process_, cell.pszText, text.data(), kTextChars * sizeof(wchar_t), &moved);
    return text.data();
}

// The counter is the status bar's second part: "<n> probes".
std::int64_t RemoteWindow::Counter() const {
    const std::wstring text = StatusPart(1);
    if (text.find(L"probes") == std::wstring::npos) {
        return -1;
    }
    const std::int64_t n = DigitsOf(text);
    return n < 0 ? 0 : n;
}

std::int64_t RemoteWindow::HitCountSum() const {
    DWORD_PTR rows = 0;
    SendMessageTimeoutW(list_, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &rows);
    std::int64_t sum = 0;
    for (int i = 0; i < static_cast<int>(rows); ++i) {
        const std::wstring entry = Cell(i, 1);
        if (entry.starts_with(L"Probed by ")) {
            sum += std::max<std::int64_t>(0, DigitsOf(Cell(i, 2)));
        }
    }
    return sum;
}

}  // namespace sentrel::bench
