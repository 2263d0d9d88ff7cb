#pragma once
// The unattended mode: `sentrel.exe /scan` or `/clean`, for scripts that clean many PCs. It
// opens no window and touches no setting; its result is the exit code, a short summary on the
// console and, with /log, one JSON line appended to a file.
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "worm/worm_scan.h"

namespace sentrel {

enum class RunMode { Window, Help, Scan, Clean };

struct CommandLine {
    RunMode mode = RunMode::Window;
    std::string logFile;  // "" without /log
    bool quiet = false;
    std::string error;  // why the arguments are bad; "" when they are good
};

// The arguments after the program's name. None: the window. Switches start with / or - and
// may be in any case.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

enum ExitCode : int {
    kExitNothingFound = 0,
    kExitNotCleaned = 1,  // found, and not (fully) cleaned: a scan that finds always says so
    kExitCleaned = 2,
    kExitError = 3,  // an error, or bad arguments
};

// "2003-08-11T21:05:09+02:00"
std::string FormatIsoTime(const LocalTime& time);

struct RunRecord {
    LocalTime time;
    std::string computer;
    std::string mode;                     // "scan" or "clean"
    std::vector<std::string> found;       // variants, by their files
    std::vector<std::string> indicators;  // what was seen of a running worm
    std::vector<std::string> actions;     // what the clean did
    std::vector<std::string> remaining;   // what the clean's second scan still found
    std::vector<std::string> errors;
    std::string exposure = "unknown";   // to the worm's hole: "fixed", "workaround", "exposed"
    std::optional<std::string> rpcrt4;  // its file's version, when read
    std::string result;                 // "clean", "infected", "cleaned", "not cleaned" or "error"
    int exit = kExitError;
};

// Scans, or scans, cleans and scans again, with the window's engine: nothing is asked, and a
// process found only by what it does is reported, never ended. Fills everything but the time
// and the computer.
void RunUnattended(RunMode mode, WormServices& services, RunRecord& record);

std::string JsonLine(const RunRecord& record);

// A few lines for the console that started the program.
std::string Summary(const RunRecord& record);

}  // namespace sentrel
