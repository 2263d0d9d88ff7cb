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
    // Never waits for the program; a failure is returned, not thrown.
    virtual LaunchResult StartHidden(const std::string& commandLine) = 0;
    // How many of the processes this launcher started are still running.
    virtual int RunningCount() = 0;
};

}  // namespace sentrel
