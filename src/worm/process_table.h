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
    // Ends the process, but only while the process under that identifier still runs an image
    // whose name ends with expectedName: an identifier from an earlier snapshot may have been
    // reused by another program meanwhile. False when it was not ended.
    virtual bool Terminate(std::uint32_t id, std::uint32_t exitCode,
                           const std::string& expectedName) = 0;
};

}  // namespace sentrel
