#pragma once
// The listening TCP socket that turns every connection attempt into a probe.
#include <functional>
#include <string>

namespace sentrel {

class ProbeSocket {
public:
    virtual ~ProbeSocket() = default;
    virtual void Close() = 0;
    virtual int LocalPort() const = 0;
    // Throws on failure (port in use, invalid port, ...).
    virtual void SetLocalPort(int port) = 0;
    virtual void Listen() = 0;
    // The dotted address of the connection attempt being reported.
    virtual std::string RemoteHostIP() const = 0;

    std::function<void()> ConnectionRequest;
    std::function<void(int number, const std::string& description)> Error;
};

}  // namespace sentrel
