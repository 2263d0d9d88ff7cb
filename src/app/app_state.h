#pragma once
// The program-wide state, owned by the main window for the whole run.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "shell/tray_icon.h"
#include "worm/exposure.h"

namespace sentrel {

struct SoundPaths {
    std::string appPath;
    std::string dataPath;
    std::string probe;
    std::string infected;
    std::string notInfected;
    std::string disinfected;
};

struct AppState {
    std::vector<std::string> ipList;  // every distinct probing address, first seen first
    std::unordered_set<std::string> ipListIndex;  // the same addresses, for AddRemoteIp's look-up
    std::int64_t probeCount = 0;
    std::string composedReturnMessage;
    int repliesPending = 0;                     // handed to the launcher, queued or running
    std::set<std::string> replyFailuresLogged;  // what went wrong with replies, once per run
    bool soundEnabled = false;                  // latched at start-up
    SoundPaths sounds;
    TrayIconData trayIcon;
    bool wormWarningShown = false;
    bool settingsFailureLogged = false;        // a store that refuses writes is said once per run
    std::optional<Exposure> exposureReported;  // the last scan's, said when it changes
};

}  // namespace sentrel
