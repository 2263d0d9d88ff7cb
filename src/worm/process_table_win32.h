#pragma once
// The running processes through the tool-help snapshot.
#include "worm/process_table.h"

namespace sentrel {

class Win32ProcessTable : public ProcessTable {
public:
    std::vector<ProcessEntry> Snapshot() override;
    bool Terminate(std::uint32_t id, std::uint32_t exitCode) override;
};

}  // namespace sentrel
