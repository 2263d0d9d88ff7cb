#pragma once
// The running processes: a fresh snapshot of identifier and executable name, and ending one.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sentrel {

struct ProcessEntry {
    std::uint32_t id = 0;
    std::string exeFile;
};

// A process held open: while it is held its identifier cannot be given to another process, so
// that what is ended later is the process that was looked at.
class HeldProcess {
public:
    virtual ~HeldProcess() = default;
    virtual bool Running() = 0;
    // False when it could not be ended.
    virtual bool End(std::uint32_t exitCode) = 0;
};

class ProcessTable {
public:
    virtual ~ProcessTable() = default;
    virtual std::vector<ProcessEntry> Snapshot() = 0;
    // Opens the process with the rights to end it, but only while the process under that
    // identifier runs an image whose name ends with expectedName: an identifier from an earlier
    // snapshot may have been reused by another program meanwhile. Null when it cannot be held.
    virtual std::unique_ptr<HeldProcess> Hold(std::uint32_t id,
                                              const std::string& expectedName) = 0;

    // Holds and ends it at once. False when it was not ended.
    bool Terminate(std::uint32_t id, std::uint32_t exitCode, const std::string& expectedName) {
        const std::unique_ptr<HeldProcess> process = Hold(id, expectedName);
        return process != nullptr && process->End(exitCode);
    }
};

}  // namespace sentrel
