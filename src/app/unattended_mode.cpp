#include "app/unattended_mode.h"

#include <utility>

#include "base/format.h"
#include "base/json.h"
#include "worm/exposure.h"
#include "worm/worm_clean.h"

namespace sentrel {

namespace {

std::string Joined(const std::vector<std::string>& items, const std::string& separator) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : separator) + item;
    }
    return out;
}

std::vector<std::string> Concatenated(std::vector<std::string> first,
                                      const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// A switch's name without its / or -, lower-cased; "" for what is not a switch.
std::string SwitchName(const std::string& arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
        return {};
    }
    return ToLowerAscii(arg.substr(1));
}

// A switch, or a name starting with / (taken as a switch's), is no file name.
bool IsFileName(const std::string& arg) {
    return !arg.empty() && arg[0] != '/' && SwitchName(arg).empty();
}

std::string Two(int value) {
    return FormatPadded(value, 2);
}

// What the clean did, as the record's actions and errors.
class CleanRecorder : public CleanObserver {
public:
    explicit CleanRecorder(RunRecord& record) : record_(record) {}

    void StepTaken(const CleanStep& step) override {
        switch (step.kind) {
            case CleanStepKind::RunValueDeleted:
                record_.actions.push_back("deleted the Run value \"" + step.subject + "\"" +
                                          (step.detail.empty() ? "" : " (" + step.detail + ")"));
                break;
            case CleanStepKind::ProcessEnded:
                record_.actions.push_back("ended " + step.subject + " (process " +
                                          std::to_string(step.processId) + ")");
                break;
            case CleanStepKind::FileDeleted:
                record_.actions.push_back("deleted " + step.subject);
                break;
            case CleanStepKind::FileNotDeleted:
                record_.errors.push_back("could not delete " + step.subject + ": " +
                                         step.failure.description);
                break;
            default:
                break;
        }
    }

    // Never asked: the plan has no such phase.
    bool ConfirmEnd(const std::vector<WormSign>& /*signs*/) override { return false; }

private:
    RunRecord& record_;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string name = SwitchName(args[i]);
        std::string error;
        if (name == "?") {
            // The usage alone, whatever else is given.
            return {RunMode::Help, "", false, ""};
        }
        if (name == "quiet") {
            line.quiet = true;
        } else if (name == "scan" || name == "clean") {
            error = line.mode == RunMode::Window ? "" : "Give only one of /scan and /clean.";
            line.mode = name == "scan" ? RunMode::Scan : RunMode::Clean;
        } else if (name == "log" && i + 1 < args.size() && line.logFile.empty() &&
                   IsFileName(args[i + 1])) {
            line.logFile = args[++i];
        } else {
            error = name == "log" ? "Give /log once, with a file name."
                                  : "Unknown argument: " + args[i];
        }
        if (line.error.empty()) {
            line.error = error;
        }
    }
    // Options alone ask for nothing to be done.
    if (!args.empty() && line.mode == RunMode::Window && line.error.empty()) {
        line.error = "Give /scan or /clean.";
    }
    return line;
}

std::string UsageText() {
    return "Usage: sentrel.exe /scan | /clean [/log FILE] [/quiet]\r\n"
           "\r\n"
           "  /scan       look for the MSBlast worm and report; change nothing\r\n"
           "  /clean      look for the worm, remove it without asking, and look again\r\n"
           "  /log FILE   append one JSON line about the run to FILE\r\n"
           "  /quiet      print nothing here\r\n"
           "  /?          show this text\r\n"
           "\r\n"
           "Without arguments the window opens. Exit codes: 0 nothing found, 1 found and not\r\n"
           "(fully) cleaned, 2 found and cleaned, 3 error or bad arguments. A program found "
           "only\r\n"
           "by what it does (the worm's mutex or ports) is reported, never ended.\r\n";
}

std::string FormatIsoTime(const LocalTime& time) {
    const int offset = time.utcOffsetMinutes < 0 ? -time.utcOffsetMinutes : time.utcOffsetMinutes;
    return FormatPadded(time.year, 4) + "-" + Two(time.month) + "-" + Two(time.day) + "T" +
           Two(time.hour) + ":" + Two(time.minute) + ":" + Two(time.second) +
           (time.utcOffsetMinutes < 0 ? "-" : "+") + Two(offset / 60) + ":" + Two(offset % 60);
}

void RunUnattended(RunMode mode, WormServices& services, RunRecord& record) {
    record.mode = mode == RunMode::Clean ? "clean" : "scan";
    const ExposureCheck exposure = CheckExposure(services.systemFacts);
    record.exposure = ExposureName(exposure.result.exposure);
    if (exposure.rpcrt4) {
        record.rpcrt4 = FormatFileVersion(*exposure.rpcrt4);
    }
    const WormFindings before = ScanForWorm(services);
    record.found = FoundLabels(before);
    record.indicators = SignDescriptions(before);
    if (!before.Any()) {
        record.result = "clean";
        record.exit = kExitNothingFound;
        return;
    }
    if (mode != RunMode::Clean) {
        record.result = "infected";
        record.exit = kExitNotCleaned;
        return;
    }
    CleanRecorder recorder(record);
    CleanWorm(services, kUnattendedClean, recorder);
    const WormFindings after = ScanForWorm(services);
    record.remaining = Concatenated(FoundLabels(after), SignDescriptions(after));
    record.result = after.Any() ? "not cleaned" : "cleaned";
    record.exit = after.Any() ? kExitNotCleaned : kExitCleaned;
}

std::string JsonLine(const RunRecord& record) {
    return "{\"time\":" + JsonString(FormatIsoTime(record.time)) +
           ",\"computer\":" + JsonString(record.computer) + ",\"mode\":" + JsonString(record.mode) +
           ",\"found\":" + JsonArray(record.found) +
           ",\"indicators\":" + JsonArray(record.indicators) +
           ",\"actions\":" + JsonArray(record.actions) +
           ",\"remaining\":" + JsonArray(record.remaining) +
           ",\"errors\":" + JsonArray(record.errors) +
           ",\"exposure\":" + JsonString(record.exposure) +
           ",\"rpcrt4\":" + (record.rpcrt4 ? JsonString(*record.rpcrt4) : "null") +
           ",\"result\":" + JsonString(record.result) + ",\"exit\":" + std::to_string(record.exit) +
           "}";
}

std::string Summary(const RunRecord& record) {
    std::string out =
        "Sentrel " + record.mode + " of " + record.computer + ": " + record.result + ".\r\n";
    const std::pair<const char*, const std::vector<std::string>*> parts[] = {
        {"Found: ", &record.found},   {"Seen running: ", &record.indicators},
        {"Done: ", &record.actions},  {"Still found: ", &record.remaining},
        {"Errors: ", &record.errors},
    };
    for (const auto& [title, items] : parts) {
        if (!items->empty()) {
            out += title + Joined(*items, "; ") + ".\r\n";
        }
    }
    if (record.exposure == ExposureName(Exposure::Exposed)) {
        out += std::string(kExposedText) + "\r\n";
    }
    return out + "Exit code " + std::to_string(record.exit) + ".\r\n";
}

}  // namespace sentrel
