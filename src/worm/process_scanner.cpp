#include "worm/process_scanner.h"

#include <algorithm>

#include "base/format.h"

namespace sentrel {

std::string ProcessName(const std::string& exeFile) {
    return ToLowerAscii(exeFile.substr(0, exeFile.find('\0')));
}

bool ProcessNameMatches(const std::string& exeFile, const std::string& target) {
    const std::string name = ProcessName(exeFile);
    const std::string wanted = ToLowerAscii(target);
    // A name shorter than the target can never equal it.
    return name.size() >= wanted.size() &&
           name.compare(name.size() - wanted.size(), wanted.size(), wanted) == 0;
}

bool AnyProcessMatches(const std::vector<ProcessEntry>& snapshot, const std::string& target) {
    return std::ranges::any_of(snapshot, [&target](const ProcessEntry& entry) {
        return ProcessNameMatches(entry.exeFile, target);
    });
}

std::vector<ProcessEntry> KillProcess(ProcessTable& processes, const std::string& target) {
    std::vector<ProcessEntry> ended;
    if (target.empty()) {
        return ended;
    }
    for (const ProcessEntry& entry : processes.Snapshot()) {
        if (ProcessNameMatches(entry.exeFile, target) && processes.Terminate(entry.id, 0, target)) {
            ended.push_back(entry);
        }
    }
    return ended;
}

}  // namespace sentrel
