#pragma once
// Winsock for as long as an object needs it, and sockets that close themselves.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

#include "base/handles_win32.h"

namespace sentrel {

// WSAStartup on construction, WSACleanup on destruction; throws std::runtime_error when
// Winsock is not available.
class WinsockSession {
public:
    WinsockSession();
    ~WinsockSession();
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
};

struct SocketTraits {
    using Handle = SOCKET;
    static Handle Invalid() { return INVALID_SOCKET; }
    static bool Valid(Handle s) { return s != INVALID_SOCKET; }
    static void Close(Handle s) { closesocket(s); }
};
using UniqueSocket = UniqueResource<SocketTraits>;

// Closes with an immediate reset instead of the orderly goodbye: nothing is sent or read, and
// no connection lingers in TIME_WAIT.
void ResetAndClose(UniqueSocket& socket);

// Dotted IPv4 text of an address ("" for any other family).
std::string DottedAddress(const sockaddr_storage& address);

}  // namespace sentrel
