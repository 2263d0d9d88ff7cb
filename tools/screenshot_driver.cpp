// Drives a running sentrel.exe the way a user would, for scripts/screenshots.
// It runs in the same Wine prefix as the program, so it sees the program's windows.
//
//   screenshot_driver wait [SECONDS]     wait for the main window; print its rectangle
//   screenshot_driver rect               print the main window's rectangle as WxH+X+Y
//   screenshot_driver tab INDEX          click the toolbar button INDEX (1 = first page)
//   screenshot_driver hover TEXT         rest the mouse on the child window whose text is TEXT
//   screenshot_driver park               move the mouse off the main window
//   screenshot_driver close              close the main window (the program ends)
//
// The rectangle is in screen pixels, ready for `import -window root -crop`.
// Exit status: 0 done, 1 the window or control was not found, 2 bad arguments.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

#include "base/handles_win32.h"

namespace {

constexpr const wchar_t* kMainWindowClass = L"SentrelMain";

HWND FindMainWindow() {
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    return (window != nullptr && IsWindowVisible(window)) ? window : nullptr;
}

HWND WaitForMainWindow(int seconds) {
    for (int tenths = 0; tenths < seconds * 10; ++tenths) {
        if (HWND window = FindMainWindow()) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

void PrintRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fflush(stdout);
}

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Moves the real pointer (not just a message), so hover tracking that polls the cursor sees it.
void MovePointerTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(INPUT));
}

void ClickAt(POINT screen) {
    MovePointerTo(screen);
    Sleep(100);
    INPUT clicks[2]{};
    clicks[0].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].type = INPUT_MOUSE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &clicks[0], sizeof(INPUT));
    Sleep(50);
    SendInput(1, &clicks[1], sizeof(INPUT));
}

// TB_GETITEMRECT writes into the toolbar's own process, so the RECT lives there.
bool ToolbarItemRect(HWND toolbar, int zeroBasedIndex, RECT& rect) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    sentrel::UniqueHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process) {
        return false;
    }
    void* remote = VirtualAllocEx(process.Get(), nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    if (remote == nullptr) {
        return false;
    }
    const bool got = SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(zeroBasedIndex),
                                  reinterpret_cast<LPARAM>(remote)) != 0 &&
                     ReadProcessMemory(process.Get(), remote, &rect, sizeof(RECT), nullptr) != 0;
    VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
    return got;
}

int ClickTab(HWND main, int index) {
    HWND toolbar = FindWindowExW(main, nullptr, TOOLBARCLASSNAMEW, nullptr);
    if (toolbar == nullptr) {
        std::fwprintf(stderr, L"screenshot_driver: no toolbar in the main window\n");
        return 1;
    }
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    RECT item{};
    if (index < 1 || index > count || !ToolbarItemRect(toolbar, index - 1, item)) {
        std::fwprintf(stderr, L"screenshot_driver: no toolbar button %d\n", index);
        return 1;
    }
    MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&item), 2);
    SetForegroundWindow(main);
    ClickAt(Centre(item));
    // Command identifiers are the buttons' indexes; a click checks the page's button.
    for (int tries = 0; tries < 20; ++tries) {
        if (SendMessageW(toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(index), 0) != 0) {
            return 0;
        }
        Sleep(50);
    }
    std::fwprintf(stderr, L"screenshot_driver: button %d did not take the click\n", index);
    return 1;
}

std::wstring WithoutAccessKeys(const std::wstring& text) {
    std::wstring plain;
    for (wchar_t c : text) {
        if (c != L'&') {
            plain += c;
        }
    }
    return plain;
}

struct ChildSearch {
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchVisibleChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    wchar_t buffer[256]{};
    GetWindowTextW(child, buffer, 256);
    if (IsWindowVisible(child) && WithoutAccessKeys(buffer) == search->text) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

int HoverOver(HWND main, const std::wstring& text) {
    ChildSearch search{WithoutAccessKeys(text)};
    EnumChildWindows(main, MatchVisibleChild, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        std::fwprintf(stderr, L"screenshot_driver: no visible control \"%ls\"\n", text.c_str());
        return 1;
    }
    RECT r{};
    GetWindowRect(search.found, &r);
    MovePointerTo(Centre(r));
    // A small second step, so the control sees the mouse move within it and starts its hover.
    MovePointerTo({Centre(r).x + 1, Centre(r).y});
    return 0;
}

int Park() {
    MovePointerTo({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
    return 0;
}

int Usage() {
    std::fwprintf(stderr,
                  L"usage: screenshot_driver wait [SECONDS] | rect | tab INDEX | "
                  L"hover TEXT | park | close\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return Usage();
    }
    // The program's window is laid out at the display's DPI: read it in real pixels, unscaled.
    SetProcessDPIAware();
    const std::wstring command = argv[1];
    if (command == L"park") {
        return Park();
    }
    if (command == L"wait") {
        const int seconds = argc > 2 ? _wtoi(argv[2]) : 30;
        HWND main = WaitForMainWindow(seconds > 0 ? seconds : 30);
        if (main == nullptr) {
            std::fwprintf(stderr, L"screenshot_driver: the main window did not show\n");
            return 1;
        }
        PrintRect(main);
        return 0;
    }
    HWND main = FindMainWindow();
    if (main == nullptr) {
        std::fwprintf(stderr, L"screenshot_driver: the main window is not open\n");
        return 1;
    }
    if (command == L"rect") {
        PrintRect(main);
        return 0;
    }
    if (command == L"tab" && argc > 2) {
        return ClickTab(main, _wtoi(argv[2]));
    }
    if (command == L"hover" && argc > 2) {
        return HoverOver(main, argv[2]);
    }
    if (command == L"close") {
        PostMessageW(main, WM_CLOSE, 0, 0);
        return 0;
    }
    return Usage();
}
