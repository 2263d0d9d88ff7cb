#pragma once
// Finding and ending processes by executable name.
#include <string>

#include "worm/process_table.h"

namespace sentrel {

// The snapshot's executable name as compared: cut at its first NUL, lower-cased.
std::string ProcessName(const std::string& exeFile);

// True when the process name ends with the target, both lower-cased. A bare name and a full
// path both match; so does "xmsblast.exe" for "msblast.exe".
bool ProcessNameMatches(const std::string& exeFile, const std::string& target);

// True when a process of the snapshot matches.
bool AnyProcessMatches(const std::vector<ProcessEntry>& snapshot, const std::string& target);

// Ends every matching process with exit code 0 and returns those it ended; failures are
// skipped silently. Does nothing for an empty target.
std::vector<ProcessEntry> KillProcess(ProcessTable& processes, const std::string& target);

}  // namespace sentrel
