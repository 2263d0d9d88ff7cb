// Stands in for a running worm process in the Win32 suites: it does nothing until it is ended.
// With /worm it also behaves as the worm does, whatever its file is called: it exits at once
// when the mutex BILLY is taken, else holds it, and listens on 127.0.0.1:4444.
#include <winsock2.h>
#include <windows.h>

#include <cwchar>

namespace {

constexpr int kMutexTaken = 3;
constexpr int kNoListener = 4;

int BehaveAsTheWorm() {
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, L"BILLY");
    if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        return kMutexTaken;
    }
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return kNoListener;
    }
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(4444);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (listener == INVALID_SOCKET ||
        bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener, 1) != 0) {
        return kNoListener;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wcscmp(argv[1], L"/worm") == 0) {
        if (const int failure = BehaveAsTheWorm(); failure != 0) {
            return failure;
        }
    }
    for (;;) {
        Sleep(1000);
    }
}
