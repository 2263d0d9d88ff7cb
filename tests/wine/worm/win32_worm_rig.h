#pragma once
// The main window on the real process table, file system and registry, with fakes for the rest,
// and helpers that put worm files and registry values in place and take them away again.
#include <windows.h>

#include <string>

#include "base/handles_win32.h"
#include "base/system_folder_win32.h"
#include "fakes/rig.h"
#include "worm/file_system_win32.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"

namespace sentrel::test {

struct Win32WormRig : Rig {
    Win32ProcessTable realProcesses;
    Win32FileSystem realFiles;
    Win32Registry realRegistry;
    Services real{settings,      environment, dialogs,      clock,    locale,
                  socket,        launcher,    sound,        shell,    tray,
                  realProcesses, realFiles,   realRegistry, textFiles};

    Win32WormRig() { window = std::make_unique<WMain>(real); }
    // The window goes before the services it uses.
    ~Win32WormRig() { window.reset(); }
};

// The Windows directory's subfolder, e.g. L"System32", as a full path with a trailing backslash.
std::wstring SystemSubfolder(const wchar_t* name);

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

}  // namespace sentrel::test
