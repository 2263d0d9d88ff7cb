#include "listener/winsock_win32.h"

#include <stdexcept>
#include <string>

#include "base/text_win32.h"

namespace sentrel {

WinsockSession::WinsockSession() {
    WSADATA data{};
    const int error = WSAStartup(MAKEWORD(2, 2), &data);
    if (error != 0) {
        throw std::runtime_error("Winsock is not available: " +
                                 SystemErrorDescription(static_cast<DWORD>(error)));
    }
}

WinsockSession::~WinsockSession() {
    WSACleanup();
}

void ResetAndClose(UniqueSocket& socket) {
    if (!socket) {
        return;
    }
    const linger abortive{1, 0};
    setsockopt(socket.Get(), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
               sizeof(abortive));
    socket.Reset();
}

std::string DottedAddress(const sockaddr_storage& address) {
    if (address.ss_family != AF_INET) {
        return {};
    }
    // Formatted here: inet_ntop is missing on Windows XP, and inet_ntoa keeps its text in a
    // buffer of the system's.
    const auto& bytes = reinterpret_cast<const sockaddr_in&>(address).sin_addr.S_un.S_un_b;
    return std::to_string(bytes.s_b1) + '.' + std::to_string(bytes.s_b2) + '.' +
           std::to_string(bytes.s_b3) + '.' + std::to_string(bytes.s_b4);
}

}  // namespace sentrel
