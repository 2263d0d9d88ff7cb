#pragma once
// The running processes: a fresh snapshot of identifier and executable name, and ending one.
#include <cstdint>
#include <string>
#include <vector>

namespace sentrel {

struct ProcessEntry {
    std::uint32_t id = 0;
    std::string exeFile;
};

class ProcessTable {
public:
    virtual ~ProcessTable() = default;
    virtual std::vector<ProcessEntry> Snapshot() = 0;
    // Ends the process; false when it could not be opened or ended.
    virtual bool Terminate(std::uint32_t id, std::uint32_t exitCode) = 0;
};

}  // namespace sentrel
