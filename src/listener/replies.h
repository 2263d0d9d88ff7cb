#pragma once
// The replies to probing hosts: handed to the launcher within a cap, and how they ended told
// once per cause, since a reply that never arrives is otherwise reported as sent.
#include <functional>
#include <set>
#include <string>

#include "shell/launcher.h"

namespace sentrel {

struct ReplyState {
    int pending = 0;                     // handed to the launcher, queued or running
    std::set<std::string> failuresSaid;  // what went wrong with replies, once per run
};

// Starts "NET SEND <ip> <message>" unless too many replies are queued or running; false when
// the reply was skipped. `newFailure` runs, on the window's thread, with the text of a failure
// not seen before in this run.
bool SendReply(Launcher& launcher, ReplyState& state, const std::string& ip,
               const std::string& message, std::function<void(const std::string&)> newFailure);

}  // namespace sentrel
