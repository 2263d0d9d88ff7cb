#pragma once
// A running worm found by what it does, whatever its file is called: it holds its mutex,
// listens on TCP 4444 (its remote shell) and serves TFTP on UDP 69.
#include <cstdint>
#include <string>
#include <vector>

#include "worm/process_table.h"
#include "worm/socket_table.h"
#include "worm/worm_mutex.h"

namespace sentrel {

inline constexpr std::uint16_t kWormShellPort = 4444;
inline constexpr std::uint16_t kWormTftpPort = 69;

enum class SignKind { Mutex, ShellPort, TftpPort };

struct WormSign {
    SignKind kind = SignKind::Mutex;
    std::uint32_t processId = 0;  // 0: not known (always so for the mutex)
    std::string processName;      // from the snapshot; "" when not named
};

// The mutex first, then each process (or unknown owner) on either port, once each.
// Owners are not yet named. `recent`: the socket tables as last looked up, without waiting.
std::vector<WormSign> FindWormSigns(SocketTable& sockets, WormMutex& mutex, bool recent = false);

bool AnyOwnerKnown(const std::vector<WormSign>& signs);

// Names each known owner after the snapshot's executable name.
void NameSignOwners(std::vector<WormSign>& signs, const std::vector<ProcessEntry>& snapshot);

// FindWormSigns and NameSignOwners, with a snapshot only when an owner is known.
std::vector<WormSign> FindNamedWormSigns(SocketTable& sockets, WormMutex& mutex,
                                         ProcessTable& processes);

// "svchost.exe (process 1234)", "process 1234" without a name, "" without an identifier.
std::string SignOwner(const WormSign& sign);
// "the mutex BILLY", "TCP port 4444", "UDP port 69".
std::string SignSubject(const WormSign& sign);
// The event log's line for the sign.
std::string SignLogLine(const WormSign& sign);
// "svchost.exe (process 1234) on TCP port 4444", "a program holding the mutex BILLY".
std::string SignDescription(const WormSign& sign);

}  // namespace sentrel
