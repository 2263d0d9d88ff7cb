#pragma once
// The background task scanner's look at the running processes: is the worm running, by name or
// by its signs?
#include <vector>

#include "worm/process_table.h"
#include "worm/socket_table.h"
#include "worm/worm_mutex.h"
#include "worm/worm_signs.h"

namespace sentrel {

struct WormSighting {
    bool running = false;
    std::vector<WormSign> signs;  // owners named
};

// One snapshot serves every name and names the owners of the signs.
WormSighting LookForRunningWorm(ProcessTable& processes, SocketTable& sockets, WormMutex& mutex);

}  // namespace sentrel
