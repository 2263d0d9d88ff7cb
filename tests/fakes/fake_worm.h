#pragma once
// Fakes of the worm subsystem's services: processes, files, registry.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "worm/file_system.h"
#include "worm/process_table.h"
#include "worm/registry.h"

namespace sentrel::test {

class FakeProcessTable : public ProcessTable {
public:
    std::vector<ProcessEntry> Snapshot() override {
        ++snapshots;
        return processes;
    }
    bool Terminate(std::uint32_t id, std::uint32_t /*exitCode*/) override {
        for (auto it = processes.begin(); it != processes.end(); ++it) {
            if (it->id == id) {
                processes.erase(it);
                terminated.push_back(id);
                return true;
            }
        }
        return false;
    }
    std::vector<ProcessEntry> processes;
    std::vector<std::uint32_t> terminated;
    int snapshots = 0;
};

class FakeFileSystem : public FileSystem {
public:
    std::string WindowsFolder() override { return windowsFolder; }
    std::string windowsFolder = "C:\\WINDOWS";
};

class FakeRegistry : public Registry {
public:
    void DeleteMachineValue(const std::string& subKey, const std::string& valueName) override {
        deleted.emplace_back(subKey, valueName);
    }
    std::vector<std::pair<std::string, std::string>> deleted;
};

}  // namespace sentrel::test
