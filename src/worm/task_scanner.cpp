#include "worm/task_scanner.h"

#include <algorithm>

#include "worm/process_scanner.h"
#include "worm/worm_files.h"

namespace sentrel {

WormSighting LookForRunningWorm(ProcessTable& processes, SocketTable& sockets, WormMutex& mutex) {
    const std::vector<ProcessEntry> snapshot = processes.Snapshot();
    WormSighting sighting{false, FindWormSigns(sockets, mutex, /*recent=*/true)};
    NameSignOwners(sighting.signs, snapshot);
    sighting.running = !sighting.signs.empty() ||
                       std::ranges::any_of(kWormFiles, [&snapshot](const WormFile& file) {
                           return AnyProcessMatches(snapshot, file.fileName);
                       });
    return sighting;
}

}  // namespace sentrel
