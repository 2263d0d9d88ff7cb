#include "listener/probe_socket_win32.h"

#include <stdexcept>

#include "base/text_win32.h"

namespace sentrel {

namespace {

// Every new listener gets the next message of this range, so that a notification still queued
// for a closed listener is told apart even when the new one got the same handle value.
constexpr UINT kMsgSocketNotifyFirst = WM_APP + 1;
constexpr UINT kSocketNotifyMessages = 64;
constexpr wchar_t kProbeSocketClass[] = L"SentrelProbeSocket";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kProbeSocketClass;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("The socket's window class could not be registered: " +
                                 SystemErrorDescription(GetLastError()));
    }
}

[[noreturn]] void ThrowLastSocketError() {
    const int error = WSAGetLastError();
    throw SocketError(error, SystemErrorDescription(static_cast<DWORD>(error)));
}

}  // namespace

WinsockProbeSocket::WinsockProbeSocket() {
    RegisterWindowClass(&WindowProc);
    window_.Reset(CreateWindowExW(0, kProbeSocketClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), this));
    if (!window_) {
        throw std::runtime_error("The socket's window could not be made: " +
                                 SystemErrorDescription(GetLastError()));
    }
}

WinsockProbeSocket::~WinsockProbeSocket() {
    listener_.Reset();
    window_.Reset();
}

void WinsockProbeSocket::Close() {
    // Notifications already queued for this socket still arrive; they no longer match it.
    listener_.Reset();
}

void WinsockProbeSocket::SetLocalPort(int port) {
    if (port < 1 || port > 65535) {
        throw SocketError(WSAEINVAL, SystemErrorDescription(WSAEINVAL));
    }
    port_ = port;
}

void WinsockProbeSocket::Listen() {
    Close();
    UniqueSocket socket(WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, 0));
    if (!socket) {
        ThrowLastSocketError();
    }
    // Nobody else may bind the port while we listen on it.
    const BOOL exclusive = TRUE;
    setsockopt(socket.Get(), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
               reinterpret_cast<const char*>(&exclusive), sizeof(exclusive));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(static_cast<u_short>(port_));
    if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(socket.Get(), SOMAXCONN) != 0 ||
        WSAAsyncSelect(socket.Get(), window_.Get(), NextNotifyMessage(), FD_ACCEPT) != 0) {
        ThrowLastSocketError();
    }
    listener_ = std::move(socket);
}

LRESULT CALLBACK WinsockProbeSocket::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<WinsockProbeSocket*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message >= kMsgSocketNotifyFirst &&
        message < kMsgSocketNotifyFirst + kSocketNotifyMessages && self != nullptr) {
        try {
            self->OnSocketNotification(message, static_cast<SOCKET>(wParam),
                                       WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
        } catch (...) {  // NOLINT(bugprone-empty-catch): nothing may leave a window procedure
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

UINT WinsockProbeSocket::NextNotifyMessage() {
    notifyMessage_ = kMsgSocketNotifyFirst + (++listenerGeneration_ % kSocketNotifyMessages);
    return notifyMessage_;
}

void WinsockProbeSocket::OnSocketNotification(UINT message, SOCKET socket, WORD event, WORD error) {
    // A notification queued for a listener closed since (whose handle value the new listener
    // may well have got again) is not a probe.
    if (!listener_ || message != notifyMessage_ || socket != listener_.Get() ||
        event != FD_ACCEPT) {
        return;
    }
    if (error != 0) {
        FailListening(error);
        return;
    }
    OnConnectionAttempt();
}

void WinsockProbeSocket::FailListening(int error) {
    // A listener in error listens no more; nothing restarts it until StartListening runs.
    Close();
    if (Error) {
        Error(error, SystemErrorDescription(static_cast<DWORD>(error)));
    }
}

void WinsockProbeSocket::OnConnectionAttempt() {
    sockaddr_storage peer{};
    int peerLength = sizeof(peer);
    // Accepting re-arms FD_ACCEPT while more attempts wait, one message per attempt.
    UniqueSocket connection(
        accept(listener_.Get(), reinterpret_cast<sockaddr*>(&peer), &peerLength));
    if (!connection) {
        // The attempt was withdrawn before we came to it: no address, so no probe. Arm the
        // notification afresh: Wine does not re-arm it after an accept that found nothing.
        // Unarmed, the listener would hear of no further attempt.
        if (WSAAsyncSelect(listener_.Get(), window_.Get(), notifyMessage_, FD_ACCEPT) != 0) {
            FailListening(WSAGetLastError());
        }
        return;
    }
    ResetAndClose(connection);
    remoteHostIp_ = DottedAddress(peer);
    if (ConnectionRequest) {
        ConnectionRequest();
    }
}

}  // namespace sentrel
