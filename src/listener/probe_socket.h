#pragma once
// The listening TCP socket that turns every connection attempt into a probe.
#include <functional>
#include <stdexcept>
#include <string>

namespace sentrel {

// Why the socket could not listen: the system's error number and its description.
class SocketError : public std::runtime_error {
public:
    SocketError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

private:
    int number_;
};

// A connection attempt is reset the moment its address is read: no byte is exchanged, and the
// listener stays open, so attempts waiting behind it in the backlog are not lost.
class ProbeSocket {
public:
    virtual ~ProbeSocket() = default;
    // Stops listening; safe in any state.
    virtual void Close() = 0;
    virtual int LocalPort() const = 0;
    // Throws SocketError for a port outside 1..65535.
    virtual void SetLocalPort(int port) = 0;
    // Listens on LocalPort; throws SocketError (port in use, ...).
    virtual void Listen() = 0;
    virtual bool Listening() const = 0;
    // The dotted address of the connection attempt being reported.
    virtual std::string RemoteHostIP() const = 0;

    // One per connection attempt, after its address is known and the attempt dropped.
    std::function<void()> ConnectionRequest;
    // An error the system reported for the listener while it was listening.
    std::function<void(int number, const std::string& description)> Error;
};

}  // namespace sentrel
