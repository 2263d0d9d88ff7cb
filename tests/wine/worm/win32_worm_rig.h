#pragma once
// The main window on the real process table, file system and registry, with fakes for the rest,
// and helpers that put worm files and registry values in place and take them away again.
#include <windows.h>

#include <string>

#include "app/wmain.h"
#include "fakes/fake_app.h"
#include "fakes/fake_log.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_listener.h"
#include "fakes/fake_shell.h"
#include "ui/handles_win32.h"
#include "worm/file_system_win32.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"

namespace sentrel::test {

struct Win32WormRig {
    FakeSettingsStore settings;
    FakeEnvironment environment;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeLocale locale;
    FakeProbeSocket socket;
    FakeLauncher launcher;
    FakeSoundPlayer sound;
    FakeShellOpener shell;
    FakeTrayIcon tray;
    Win32ProcessTable processes;
    Win32FileSystem files;
    Win32Registry registry;
    FakeTextFileWriter textFiles;
    Services services{settings, environment, dialogs, clock,     locale, socket,   launcher,
                      sound,    shell,       tray,    processes, files,  registry, textFiles};
    WMain w{services};

    std::vector<std::string> LogTexts() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < w.lvwLog.Count(); ++i) {
            out.push_back(w.lvwLog.Item(i).subItems.at(0).text);
        }
        return out;
    }
    std::string Status() const { return w.stbStatus.Panel("_general").text; }
};

// The Windows directory's subfolder, e.g. L"System32", as a full path with a trailing backslash.
std::wstring SystemSubfolder(const wchar_t* name);

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
