#pragma once
// Fakes of the worm subsystem's services: processes, files, registry.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/format.h"
#include "worm/file_system.h"
#include "worm/process_scanner.h"
#include "worm/process_table.h"
#include "worm/registry.h"
#include "worm/socket_table.h"
#include "worm/system_facts.h"
#include "worm/worm_mutex.h"

namespace sentrel::test {

inline auto SameProcess(const ProcessEntry& held) {
    return [&held](const ProcessEntry& e) { return e.id == held.id && e.exeFile == held.exeFile; };
}

class FakeProcessTable : public ProcessTable {
public:
    std::vector<ProcessEntry> Snapshot() override {
        ++snapshots;
        return processes;
    }
    std::unique_ptr<HeldProcess> Hold(std::uint32_t id, const std::string& expectedName) override {
        if (unkillable.count(id) != 0) {
            return nullptr;
        }
        for (const ProcessEntry& entry : processes) {
            if (entry.id == id && ProcessNameMatches(entry.exeFile, expectedName)) {
                return std::make_unique<Held>(*this, entry);
            }
        }
        return nullptr;
    }
    std::vector<ProcessEntry> processes;
    std::vector<std::uint32_t> terminated;
    std::set<std::uint32_t> exitCodes;   // of every attempt
    std::set<std::uint32_t> unkillable;  // identifiers that cannot be opened
    int snapshots = 0;

private:
    // A held process is the one that was opened: an entry that took its identifier later is
    // another process.
    struct Held : HeldProcess {
        Held(FakeProcessTable& t, ProcessEntry e) : table(t), entry(std::move(e)) {}
        bool Running() override { return std::ranges::any_of(table.processes, SameProcess(entry)); }
        bool End(std::uint32_t exitCode) override {
            table.exitCodes.insert(exitCode);
            if (!Running()) {
                return false;
            }
            std::erase_if(table.processes, SameProcess(entry));
            table.terminated.push_back(entry.id);
            return true;
        }
        FakeProcessTable& table;
        ProcessEntry entry;
    };
};

// A file system of full paths that compare without case, as Windows compares them.
class FakeFileSystem : public FileSystem {
public:
    std::string WindowsFolder() override { return "C:\\WINDOWS"; }
    bool NormalFileExists(const std::string& path) override { return HasFile(path); }
    bool FolderExists(const std::string& path) override { return folders.count(Key(path)) != 0; }
    FileResult SetNormalAttributes(const std::string& path) override {
        auto it = files.find(Key(path));
        if (it == files.end()) {
            return {FileError::NotFound, "File not found"};
        }
        it->second = false;
        return {};
    }
    FileResult RemoveFile(const std::string& path) override {
        if (auto failure = removeFailures.find(Key(path)); failure != removeFailures.end()) {
            return failure->second;
        }
        auto it = files.find(Key(path));
        if (it == files.end()) {
            return {FileError::NotFound, "File not found"};
        }
        // As on Windows, a read-only file cannot be deleted.
        if (it->second) {
            return {FileError::AccessDenied, "Access is denied"};
        }
        files.erase(it);
        return {};
    }

    void AddFile(const std::string& path, bool readOnly = false) { files[Key(path)] = readOnly; }
    bool HasFile(const std::string& path) const { return files.count(Key(path)) != 0; }
    void AddFolder(const std::string& path) { folders.insert(Key(path)); }
    void FailRemove(const std::string& path, FileResult result) {
        removeFailures[Key(path)] = std::move(result);
    }

    std::map<std::string, bool> files;  // read-only or not, by lower-cased path
    std::set<std::string> folders;      // lower-cased
    std::map<std::string, FileResult> removeFailures;

private:
    static std::string Key(const std::string& path) { return ToLowerAscii(path); }
};

struct DeletedValue {
    RegistryView view;
    std::string subKey;
    std::string valueName;
    bool operator==(const DeletedValue&) const = default;
};

// The Run key's string values in each view; every delete call is recorded.
class FakeRegistry : public Registry {
public:
    bool HasTwoViews() override { return true; }
    bool DeleteMachineValue(RegistryView view, const std::string& subKey,
                            const std::string& valueName) override {
        deleted.push_back({view, subKey, valueName});
        return runValues[view].erase(valueName) != 0;
    }
    std::vector<RegistryValue> MachineTextValues(RegistryView view,
                                                 const std::string& /*subKey*/) override {
        std::vector<RegistryValue> values;
        for (const auto& [name, data] : runValues[view]) {
            values.push_back({name, data});
        }
        return values;
    }
    std::vector<DeletedValue> deleted;
    std::map<RegistryView, std::map<std::string, std::string>> runValues;
};

class FakeSocketTable : public SocketTable {
public:
    std::vector<SocketOwner> TcpListenersOn(std::uint16_t port) override { return On(tcp, port); }
    std::vector<SocketOwner> UdpSocketsOn(std::uint16_t port) override { return On(udp, port); }
    std::vector<SocketOwner> tcp;  // every socket, on any port
    std::vector<SocketOwner> udp;

private:
    static std::vector<SocketOwner> On(std::vector<SocketOwner> sockets, std::uint16_t port) {
        std::erase_if(sockets, [port](const SocketOwner& socket) { return socket.port != port; });
        return sockets;
    }
};

class FakeWormMutex : public WormMutex {
public:
    bool HeldElsewhere() override { return heldElsewhere; }
    bool Hold(bool on) override {
        held = on && holdable;
        return held == on;
    }
    bool heldElsewhere = false;
    bool held = false;
    bool holdable = true;
};

// A fixed XP SP3 unless a test says otherwise.
class FakeSystemFacts : public SystemFacts {
public:
    SystemVersion RunningSystem() override { return system; }
    FileVersionRead SystemFileVersion(const std::string& fileName) override {
        return fileName == "rpcrt4.dll" ? rpcrt4 : FileVersionRead{};
    }
    std::string EnableDcom() override { return enableDcom; }
    SystemVersion system{5, 1, 3};
    FileVersionRead rpcrt4{FileVersion{5, 1, 2600, 5512}, ""};
    std::string enableDcom = "Y";
};

}  // namespace sentrel::test
