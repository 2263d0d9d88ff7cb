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
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    char text[INET_ADDRSTRLEN] = {};
    if (inet_ntop(AF_INET, &v4.sin_addr, text, sizeof(text)) == nullptr) {
        return {};
    }
    return text;
}

}  // namespace sentrel
