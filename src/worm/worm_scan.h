#pragma once
// Looking for the worm: its files in the system folder and the signs of it running. The window's
// scan and the unattended one ask the same engine.
#include <string>
#include <vector>

#include "worm/file_system.h"
#include "worm/process_table.h"
#include "worm/registry.h"
#include "worm/socket_table.h"
#include "worm/system_facts.h"
#include "worm/worm_files.h"
#include "worm/worm_mutex.h"
#include "worm/worm_signs.h"

namespace sentrel {

// The system services that finding and removing the worm use.
struct WormServices {
    ProcessTable& processes;
    FileSystem& files;
    Registry& registry;
    SocketTable& sockets;
    WormMutex& wormMutex;
    SystemFacts& systemFacts;
};

struct WormFindings {
    std::vector<const WormFile*> files;  // the worm files present, in table order
    std::vector<WormSign> signs;         // what was seen of a running worm, owners named
    bool Any() const { return !files.empty() || !signs.empty(); }
};

WormFindings ScanForWorm(WormServices& services);

// The variants whose files are present, by their labels.
std::vector<std::string> FoundLabels(const WormFindings& findings);
// One description per sign ("a program holding the mutex BILLY").
std::vector<std::string> SignDescriptions(const WormFindings& findings);

}  // namespace sentrel
