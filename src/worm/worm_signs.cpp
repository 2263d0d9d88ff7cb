#include "worm/worm_signs.h"

#include <algorithm>

#include "worm/process_scanner.h"

namespace sentrel {

namespace {

void AddPortSigns(std::vector<WormSign>& signs, SignKind kind,
                  const std::vector<SocketOwner>& sockets) {
    for (const SocketOwner& socket : sockets) {
        const bool seen = std::ranges::any_of(signs, [&](const WormSign& sign) {
            return sign.kind == kind && sign.processId == socket.processId;
        });
        if (!seen) {
            signs.push_back({kind, socket.processId, ""});
        }
    }
}

}  // namespace

std::vector<WormSign> FindWormSigns(SocketTable& sockets, WormMutex& mutex, bool recent) {
    std::vector<WormSign> signs;
    if (mutex.HeldElsewhere()) {
        signs.push_back({SignKind::Mutex, 0, ""});
    }
    AddPortSigns(signs, SignKind::ShellPort,
                 recent ? sockets.RecentTcpListenersOn(kWormShellPort)
                        : sockets.TcpListenersOn(kWormShellPort));
    AddPortSigns(
        signs, SignKind::TftpPort,
        recent ? sockets.RecentUdpSocketsOn(kWormTftpPort) : sockets.UdpSocketsOn(kWormTftpPort));
    return signs;
}

bool AnyOwnerKnown(const std::vector<WormSign>& signs) {
    return std::ranges::any_of(signs, [](const WormSign& sign) { return sign.processId != 0; });
}

void NameSignOwners(std::vector<WormSign>& signs, const std::vector<ProcessEntry>& snapshot) {
    for (WormSign& sign : signs) {
        const auto owner = std::ranges::find_if(
            snapshot, [&sign](const ProcessEntry& entry) { return entry.id == sign.processId; });
        if (sign.processId != 0 && owner != snapshot.end()) {
            sign.processName = ProcessName(owner->exeFile);
        }
    }
}

std::vector<WormSign> FindNamedWormSigns(SocketTable& sockets, WormMutex& mutex,
                                         ProcessTable& processes) {
    std::vector<WormSign> signs = FindWormSigns(sockets, mutex);
    if (AnyOwnerKnown(signs)) {
        NameSignOwners(signs, processes.Snapshot());
    }
    return signs;
}

std::string SignOwner(const WormSign& sign) {
    if (sign.processId == 0) {
        return {};
    }
    const std::string id = "process " + std::to_string(sign.processId);
    return sign.processName.empty() ? id : sign.processName + " (" + id + ")";
}

std::string SignSubject(const WormSign& sign) {
    switch (sign.kind) {
        case SignKind::Mutex:
            return std::string("the mutex ") + kWormMutexName;
        case SignKind::ShellPort:
            return std::string("TCP port ").append(std::to_string(kWormShellPort));
        case SignKind::TftpPort:
            return std::string("UDP port ").append(std::to_string(kWormTftpPort));
    }
    return {};
}

std::string SignLogLine(const WormSign& sign) {
    if (sign.kind == SignKind::Mutex) {
        return "A running program holds " + SignSubject(sign) + ", as the MSBlast worm does.";
    }
    const std::string verb = sign.kind == SignKind::ShellPort ? " listens on " : " uses ";
    const std::string owner = SignOwner(sign);
    if (owner.empty()) {
        return "A program" + verb + SignSubject(sign) +
               ", as the MSBlast worm does; its process is not known.";
    }
    return owner + verb + SignSubject(sign) + ", as the MSBlast worm does.";
}

std::string SignDescription(const WormSign& sign) {
    const std::string owner = SignOwner(sign);
    return (owner.empty() ? "a program" : owner) +
           (sign.kind == SignKind::Mutex ? " holding " : " on ") + SignSubject(sign);
}

}  // namespace sentrel
