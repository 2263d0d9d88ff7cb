#include "listener/replies.h"

#include <utility>

namespace sentrel {

namespace {

// Replies queued and running together. Beyond this a flood of probes would queue processes
// without bound.
constexpr int kMaxPendingReplies = 16;

// What went wrong with a reply, or "" when it was delivered.
std::string ReplyFailure(const LaunchOutcome& outcome) {
    if (!outcome.started) {
        return "could not be started: " + outcome.errorDescription;
    }
    if (outcome.exitCode != 0) {
        return "ended with exit code " + std::to_string(outcome.exitCode);
    }
    return {};
}

}  // namespace

bool SendReply(Launcher& launcher, ReplyState& state, const std::string& ip,
               const std::string& message, std::function<void(const std::string&)> newFailure) {
    if (state.pending >= kMaxPendingReplies) {
        return false;
    }
    ++state.pending;
    // The message goes unchanged, line breaks and all.
    launcher.StartHidden(
        "net.exe", "NET SEND " + ip + " " + message,
        [&state, newFailure = std::move(newFailure)](const LaunchOutcome& outcome) {
            --state.pending;
            const std::string failure = ReplyFailure(outcome);
            if (!failure.empty() && state.failuresSaid.insert(failure).second) {
                newFailure(failure);
            }
        });
    return true;
}

}  // namespace sentrel
