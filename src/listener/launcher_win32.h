#pragma once
// Starts command lines hidden and detached, and counts those still running.
#include <vector>

#include "base/handles_win32.h"
#include "listener/launcher.h"

namespace sentrel {

class HiddenLauncher : public Launcher {
public:
    HiddenLauncher() = default;
    LaunchResult StartHidden(const std::string& commandLine) override;
    int RunningCount() override;

private:
    void PruneEnded();

    // Kept only to count the processes still running; closed once a process has ended.
    std::vector<UniqueHandle> running_;
};

}  // namespace sentrel
