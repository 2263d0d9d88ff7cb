#pragma once
// The program-wide state, owned by the main window for the whole run.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "listener/replies.h"
#include "shell/sounds.h"
#include "shell/tray_icon.h"
#include "worm/exposure.h"

namespace sentrel {

struct AppState {
    std::vector<std::string> ipList;  // every distinct probing address, first seen first
    std::unordered_set<std::string> ipListIndex;  // the same addresses, for AddRemoteIp's look-up
    std::int64_t probeCount = 0;
    std::string composedReturnMessage;
    ReplyState replies;
    bool soundEnabled = false;  // latched at start-up
    SoundPaths sounds;
    TrayIconData trayIcon;
    bool wormWarningShown = false;
    bool settingsFailureLogged = false;        // a store that refuses writes is said once per run
    std::optional<Exposure> exposureReported;  // the last scan's, said when it changes
};

}  // namespace sentrel
