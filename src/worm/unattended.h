#pragma once
// Finding and removing the worm without a window, for runs from scripts: nothing is shown and
// nothing asked, and a process found only by what it does is reported, never ended.
#include <string>
#include <vector>

#include "worm/file_system.h"
#include "worm/process_table.h"
#include "worm/registry.h"
#include "worm/socket_table.h"
#include "worm/system_facts.h"
#include "worm/worm_mutex.h"

namespace sentrel {

struct WormServices {
    ProcessTable& processes;
    FileSystem& files;
    Registry& registry;
    SocketTable& sockets;
    WormMutex& wormMutex;
    SystemFacts& systemFacts;
};

struct WormFindings {
    std::vector<std::string> labels;  // the variants whose files are present
    std::vector<std::string> signs;   // what was seen of a running worm
    bool Any() const { return !labels.empty() || !signs.empty(); }
};

WormFindings FindWorm(WormServices& services);

struct CleanReport {
    std::vector<std::string> actions;  // what was done
    std::vector<std::string> errors;   // what could not be done
};

// Deletes the auto-start values, ends the worm's processes by name and then deletes its files:
// with nobody at the screen to end them by hand, a running worm's file would stay otherwise.
CleanReport CleanWorm(WormServices& services);

}  // namespace sentrel
