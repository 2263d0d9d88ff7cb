#pragma once
// Starting the probe listener on the port as the user typed it.
#include <string>

#include "listener/probe_socket.h"

namespace sentrel {

// Listens on the port that portText begins with. A listener already on that port is kept:
// closing it would drop, uncounted, every attempt waiting in its backlog. False when the
// listener could not be started, whatever the reason (the port out of range included).
bool StartListener(ProbeSocket& socket, const std::string& portText);

}  // namespace sentrel
