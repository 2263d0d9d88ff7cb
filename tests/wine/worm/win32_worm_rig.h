#pragma once
// The main window on the real process table, file system, registry, socket tables and mutex,
// with fakes for the rest, and helpers that put worm files, processes and registry values in
// place and take them away again.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "base/system_folder_win32.h"
#include "fakes/rig.h"
#include "worm/file_system_win32.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"
#include "worm/socket_table_win32.h"
#include "worm/worm_mutex_win32.h"

namespace sentrel::test {

struct Win32WormRig : Rig {
    Win32ProcessTable realProcesses;
    Win32FileSystem realFiles;
    Win32Registry realRegistry;
    Win32SocketTable realSockets;
    Win32WormMutex realMutex;
    Services real{settings,     environment, dialogs,     clock,    locale,        socket,
                  launcher,     sound,       shell,       tray,     realProcesses, realFiles,
                  realRegistry, textFiles,   realSockets, realMutex};

    Win32WormRig() { window = std::make_unique<WMain>(real); }
    // The window goes before the services it uses.
    ~Win32WormRig() { window.reset(); }
};

// The Windows directory's subfolder, e.g. L"System32", as a full path with a trailing backslash.
std::wstring SystemSubfolder(const wchar_t* name);

// The folder of the running test, with a trailing backslash.
std::wstring OwnFolder();

// The real System32, with a trailing backslash: for this 32-bit program on 64-bit Windows it is
// reached as Sysnative, not as System32 (which is SysWOW64).
std::wstring RealSystem32();

bool PathExists(const std::wstring& path);

// A file created for one test; whatever is left of it is removed at the end.
class TestFile {
public:
    explicit TestFile(std::wstring path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
    ~TestFile();
    TestFile(const TestFile&) = delete;
    TestFile& operator=(const TestFile&) = delete;
    const std::wstring& Path() const { return path_; }
    bool Exists() const { return PathExists(path_); }
    bool created = false;

private:
    std::wstring path_;
};

// A temporary folder with copies of the stand-in under other names; removed with its copies.
class StandInFolder {
public:
    StandInFolder();
    ~StandInFolder();
    StandInFolder(const StandInFolder&) = delete;
    StandInFolder& operator=(const StandInFolder&) = delete;

    // The path of the copy, or "" when the stand-in is missing.
    std::wstring Copy(const wchar_t* name);

private:
    std::wstring folder_;
    std::vector<std::wstring> copies_;
};

// A started program; ended at the end of the test if it still runs.
class StartedProcess {
public:
    // arguments follow the quoted program path on the command line; with output set, the
    // program's standard output goes to that file.
    explicit StartedProcess(const std::wstring& exe, const std::wstring& arguments = L"",
                            HANDLE output = nullptr);
    ~StartedProcess();
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    bool Started() const { return process_.Valid(); }
    DWORD Id() const { return id_; }
    bool Running() const {
        return Started() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
    }
    // True when the process ends within the time.
    bool EndsWithin(DWORD ms) const {
        return Started() && WaitForSingleObject(process_.Get(), ms) == WAIT_OBJECT_0;
    }
    // The exit code once ended; std::nullopt while it runs.
    std::optional<DWORD> ExitCode() const;
    // Ends it, if it still runs, and waits for it to be gone.
    void End();

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};

// A renamed copy of the stand-in that behaves as the worm (its mutex, its port).
class RenamedWorm {
public:
    RenamedWorm();
    // True once its mutex is taken and its port listens.
    bool Ready();
    StartedProcess& Process() { return process_; }

private:
    StandInFolder folder_;
    StartedProcess process_;
};

bool RunValuePresent(REGSAM view, const std::wstring& name);

// A string value under the machine's Run key in one view, put back as it was at the end.
class TestRunValue {
public:
    TestRunValue(REGSAM view, std::wstring name, const std::wstring& data);
    ~TestRunValue();
    TestRunValue(const TestRunValue&) = delete;
    TestRunValue& operator=(const TestRunValue&) = delete;
    bool written = false;

private:
    REGSAM view_;
    std::wstring name_;
    std::optional<std::vector<BYTE>> before_;
    bool createdKey_ = false;
};

}  // namespace sentrel::test
