#include "app/command_line.h"

#include <utility>

#include "base/format.h"
#include "base/json.h"
#include "worm/exposure.h"

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

std::string Two(int value) {
    return FormatPadded(value, 2);
}

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
        } else if (name == "log" && i + 1 < args.size() && line.logFile.empty()) {
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

std::string FormatIsoTime(const CalendarTime& time) {
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
    const WormFindings before = FindWorm(services);
    record.found = before.labels;
    record.indicators = before.signs;
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
    const CleanReport report = CleanWorm(services);
    record.actions = report.actions;
    record.errors = report.errors;
    const WormFindings after = FindWorm(services);
    record.remaining = Concatenated(after.labels, after.signs);
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
