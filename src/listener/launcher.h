#pragma once
// Starts command lines hidden and detached.
#include <string>

namespace sentrel {

struct LaunchResult {
    bool started = false;
    std::string errorDescription;  // the system's description when not started
};

class Launcher {
public:
    virtual ~Launcher() = default;
    virtual LaunchResult StartHidden(const std::string& commandLine) = 0;
};

}  // namespace sentrel
