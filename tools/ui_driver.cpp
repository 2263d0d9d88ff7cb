// Drives a running program's windows by hand, for trying the whole program out under Wine:
//   ui_driver tree [CLASS]          every visible top-level window, and the children of CLASS's
//   ui_driver click X Y [right]     a mouse click at a screen point
//   ui_driver dblclick X Y          a double click with the left button at a screen point
//   ui_driver clickid ID [right]    a mouse click in the middle of the main window's child ID
//   ui_driver move X Y              the mouse to a screen point
//   ui_driver keys TEXT             types TEXT
//   ui_driver vk CODE...            presses and releases virtual keys (decimal), e.g. 9 for Tab
//   ui_driver send CLASS MSG WPARAM LPARAM   sends a message to the top-level window of CLASS
//   ui_driver focus                 the class and id of the window with the keyboard focus
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kMainClass = L"SentrelMain";

void PrintWindow(HWND window, int depth) {
    wchar_t text[200] = {};
    wchar_t className[100] = {};
    GetWindowTextW(window, text, 200);
    GetClassNameW(window, className, 100);
    RECT r{};
    GetWindowRect(window, &r);
    std::wprintf(L"%*s%p id=%d vis=%d en=%d ex=%lx [%ls] \"%ls\" (%ld,%ld)-(%ld,%ld) %ldx%ld\n",
                 depth * 2, L"", static_cast<void*>(window), GetDlgCtrlID(window),
                 IsWindowVisible(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0,
                 static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)), className,
                 text, r.left, r.top, r.right, r.bottom, r.right - r.left, r.bottom - r.top);
}

void PrintChildren(HWND parent, int depth) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        PrintWindow(child, depth);
        PrintChildren(child, depth + 1);
    }
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        PrintWindow(window, 0);
    }
    return TRUE;
}

HWND FindDescendant(HWND parent, int id) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
        if (HWND found = FindDescendant(child, id)) {
            return found;
        }
    }
    return nullptr;
}

void SendMouse(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Sleep(50);
}

void Click(int x, int y, bool right) {
    SendMouse(0, x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, x, y);
}

void SendKey(WORD vk, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    Sleep(30);
}

int Fail(const wchar_t* why) {
    std::fwprintf(stderr, L"ui_driver: %ls\n", why);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.empty()) {
        return Fail(L"no command");
    }
    const std::wstring& command = args[0];
    if (command == L"tree") {
        EnumWindows(PrintTopLevel, 0);
        const wchar_t* className = args.size() > 1 ? args[1].c_str() : kMainClass;
        if (HWND main = FindWindowW(className, nullptr)) {
            std::wprintf(L"-- children of %ls:\n", className);
            PrintChildren(main, 1);
        }
        return 0;
    }
    if (command == L"click" && args.size() >= 3) {
        Click(_wtoi(args[1].c_str()), _wtoi(args[2].c_str()), args.size() > 3);
        return 0;
    }
    if (command == L"dblclick" && args.size() >= 3) {
        Click(_wtoi(args[1].c_str()), _wtoi(args[2].c_str()), false);
        Click(_wtoi(args[1].c_str()), _wtoi(args[2].c_str()), false);
        return 0;
    }
    if (command == L"clickid" && args.size() >= 2) {
        HWND main = FindWindowW(kMainClass, nullptr);
        HWND control = main != nullptr ? FindDescendant(main, _wtoi(args[1].c_str())) : nullptr;
        if (control == nullptr) {
            return Fail(L"no such control");
        }
        RECT r{};
        GetWindowRect(control, &r);
        Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, args.size() > 2);
        return 0;
    }
    if (command == L"move" && args.size() >= 3) {
        SendMouse(0, _wtoi(args[1].c_str()), _wtoi(args[2].c_str()));
        return 0;
    }
    if (command == L"keys" && args.size() >= 2) {
        for (wchar_t c : args[1]) {
            SendKey(0, c, KEYEVENTF_UNICODE);
            SendKey(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
        }
        return 0;
    }
    if (command == L"vk" && args.size() >= 2) {
        for (std::size_t i = 1; i < args.size(); ++i) {
            const auto vk = static_cast<WORD>(_wtoi(args[i].c_str()));
            SendKey(vk, 0, 0);
            SendKey(vk, 0, KEYEVENTF_KEYUP);
        }
        return 0;
    }
    if (command == L"send" && args.size() >= 5) {
        HWND target = FindWindowW(args[1].c_str(), nullptr);
        if (target == nullptr) {
            return Fail(L"no such window");
        }
        UINT message = wcstoul(args[2].c_str(), nullptr, 0);
        if (message == 0) {
            message = RegisterWindowMessageW(args[2].c_str());
        }
        const LRESULT result =
            SendMessageW(target, message, wcstoul(args[3].c_str(), nullptr, 0),
                         static_cast<LPARAM>(wcstoul(args[4].c_str(), nullptr, 0)));
        std::wprintf(L"%lld\n", static_cast<long long>(result));
        return 0;
    }
    if (command == L"focus") {
        HWND main = FindWindowW(kMainClass, nullptr);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (main != nullptr &&
            GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) != FALSE &&
            info.hwndFocus != nullptr) {
            PrintWindow(info.hwndFocus, 0);
        } else {
            std::wprintf(L"no focus\n");
        }
        return 0;
    }
    return Fail(L"unknown command");
}
