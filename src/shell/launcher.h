#pragma once
// Starts the system's own programs hidden, off the window's thread.
#include <cstdint>
#include <functional>
#include <string>

namespace sentrel {

// How a command handed to the launcher ended.
struct LaunchOutcome {
    bool started = false;
    std::string errorDescription;  // the system's description when it could not be started
    std::uint32_t exitCode = 0;    // the code it ended with when it was started
};

class Launcher {
public:
    using Ended = std::function<void(const LaunchOutcome&)>;

    virtual ~Launcher() = default;
    // Hands the command line over and returns at once. `program` is a file name in the system
    // folder, started by its full path, never found by search order. `ended` runs once on the
    // window's thread when the program has ended or could not be started; never when the
    // launcher is gone first.
    virtual void StartHidden(const std::string& program, const std::string& commandLine,
                             Ended ended) = 0;
};

}  // namespace sentrel
