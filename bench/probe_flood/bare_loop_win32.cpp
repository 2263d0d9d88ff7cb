#include "bare_loop_win32.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "flood_win32.h"

namespace sentrel::bench {

namespace {

constexpr UINT kMsgAccept = WM_APP + 1;

struct Loop {
    SOCKET listener = INVALID_SOCKET;
    BareLoopCounters* counters = nullptr;
};

void AcceptOne(HWND window, Loop& loop) {
    sockaddr_storage peer{};
    int length = sizeof(peer);
    SOCKET connection = accept(loop.listener, reinterpret_cast<sockaddr*>(&peer), &length);
    if (connection == INVALID_SOCKET) {
        WSAAsyncSelect(loop.listener, window, kMsgAccept, FD_ACCEPT);
        return;
    }
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in&>(peer).sin_addr, text, sizeof(text));
    const linger abortive{1, 0};
    setsockopt(connection, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
               sizeof(abortive));
    closesocket(connection);
    InterlockedIncrement(&loop.counters->accepted);
    loop.counters->lastAccept = Seconds();
}

LRESULT CALLBACK BareLoopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgAccept) {
        AcceptOne(window, *reinterpret_cast<Loop*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        return 0;
    }
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int RunBareLoop(int port, const std::wstring& sharedName) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, sharedName.c_str());
    Loop loop;
    loop.counters = static_cast<BareLoopCounters*>(
        MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(BareLoopCounters)));
    if (loop.counters == nullptr) {
        return 1;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &BareLoopProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SentrelBareLoop";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"bare loop", WS_OVERLAPPEDWINDOW,
                                  0, 0, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&loop));
    loop.listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    const bool listening =
        bind(loop.listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        listen(loop.listener, SOMAXCONN) == 0 &&
        WSAAsyncSelect(loop.listener, window, kMsgAccept, FD_ACCEPT) == 0;
    loop.counters->window = window;
    loop.counters->listening = listening ? 1 : -1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    closesocket(loop.listener);
    DestroyWindow(window);
    UnmapViewOfFile(loop.counters);
    CloseHandle(mapping);
    return 0;
}

BareLoopProcess::BareLoopProcess(const std::wstring& ownPath, int port) {
    const std::wstring name =
        L"SentrelBareLoop" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(port);
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(BareLoopCounters), name.c_str());
    counters_ = static_cast<BareLoopCounters*>(
        MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(BareLoopCounters)));
    std::wstring commandLine =
        L"\"" + ownPath + L"\" --bare-loop " + std::to_wstring(port) + L" " + name;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
    }
    for (int i = 0; i < 200 && process_ != nullptr && counters_->listening == 0; ++i) {
        Sleep(50);
    }
}

BareLoopProcess::~BareLoopProcess() {
    if (process_ != nullptr) {
        if (counters_->window != nullptr) {
            PostMessageW(counters_->window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
        }
        CloseHandle(process_);
    }
    UnmapViewOfFile(counters_);
    CloseHandle(mapping_);
}

bool BareLoopProcess::Ready() const {
    return process_ != nullptr && counters_->listening == 1;
}

}  // namespace sentrel::bench
