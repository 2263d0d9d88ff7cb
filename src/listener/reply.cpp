// The reply to a probing host: handed to the launcher within a cap, and how it ended told once
// per cause, since a reply that never arrives is otherwise reported as sent.
#include <string>

#include "app/wmain.h"

namespace sentrel {

namespace {

// Replies queued and running together. Beyond this a flood of probes would queue processes
// without bound.
constexpr int kMaxPendingReplies = 16;

constexpr Colour kReplyFailureColour = Rgb(255, 0, 0);

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

bool WMain::SendReturnMessage(const std::string& ip, const std::string& message) {
    if (state.repliesPending >= kMaxPendingReplies) {
        SetStatusText("Reply to " + ip + " skipped: too many replies still running.");
        return false;
    }
    ++state.repliesPending;
    // The message goes unchanged, line breaks and all.
    services.launcher.StartHidden("net.exe", "NET SEND " + ip + " " + message,
                                  [this](const LaunchOutcome& outcome) { ReplyEnded(outcome); });
    SetStatusText("Sent message to: " + ip + " ...");
    return true;
}

void WMain::ReplyEnded(const LaunchOutcome& outcome) {
    --state.repliesPending;
    const std::string failure = ReplyFailure(outcome);
    if (!failure.empty() && state.replyFailuresLogged.insert(failure).second) {
        AddLogEntry("Replies are not being delivered: NET SEND " + failure + ".", false,
                    kReplyFailureColour);
    }
}

}  // namespace sentrel
