// The worm's files, Run values and processes against the test prefix's real system, found and
// removed through the window and by sentrel.exe run from a script.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "window/main_window_win32.h"
#include "base/handles_win32.h"
#include "base/system_folder_win32.h"
#include "fakes/rig.h"
#include "wine/support/message_pump.h"
#include "wine/support/temp_folder.h"
#include "worm/exposure.h"
#include "worm/file_system_win32.h"
#include "worm/process_scanner.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"
#include "worm/socket_table_win32.h"
#include "worm/system_facts_win32.h"
#include "worm/worm_mutex_win32.h"
#include "worm/worm_signs.h"

namespace sentrel::test {
namespace {

struct Win32WormRig : Rig {
    Win32ProcessTable realProcesses;
    Win32FileSystem realFiles;
    Win32Registry realRegistry;
    Win32SocketTable realSockets;
    Win32WormMutex realMutex;
    Win32SystemFacts realFacts;
    Services real{settings,     environment, dialogs,     clock,     locale,        socket,
                  launcher,     sound,       shell,       tray,      realProcesses, realFiles,
                  realRegistry, textFiles,   realSockets, realMutex, realFacts};

    Win32WormRig() { window = std::make_unique<WMain>(real); }
    // The window goes before the services it uses.
    ~Win32WormRig() { window.reset(); }
};

// The Windows directory's subfolder, e.g. L"System32", as a full path with a trailing backslash.
inline std::wstring SystemSubfolder(const wchar_t* name) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows, length) + L"\\" + name + L"\\";
}

// The real System32: for this 32-bit program on 64-bit Windows it is reached as Sysnative, not
// as System32 (which is SysWOW64).
inline std::wstring RealSystem32() {
    return SystemSubfolder(RunsUnderWow64() ? L"Sysnative" : L"System32");
}

// The folder of the running test, with a trailing backslash.
inline std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

// A file created for one test; whatever is left of it is removed at the end.
class TestFile {
public:
    explicit TestFile(std::wstring path, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
        : path_(std::move(path)) {
        // Never takes over a file that was there before the test.
        created = UniqueHandle(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           attributes, nullptr))
                      .Valid();
    }
    ~TestFile() {
        if (created && Exists()) {
            SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path_.c_str());
        }
    }
    TestFile(const TestFile&) = delete;
    TestFile& operator=(const TestFile&) = delete;
    bool Exists() const { return GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    bool created = false;

private:
    std::wstring path_;
};

// A started program; ended at the end of the test if it still runs.
class StartedProcess {
public:
    explicit StartedProcess(const std::wstring& exe, const std::wstring& arguments = L"") {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                           DETACHED_PROCESS, nullptr, nullptr, &startup, &info)) {
            process_.Reset(info.hProcess);
            id_ = info.dwProcessId;
            UniqueHandle thread(info.hThread);
        }
    }
    ~StartedProcess() {
        if (!EndsWithin(0)) {
            TerminateProcess(process_.Get(), 1);
            EndsWithin(5000);
        }
    }
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    DWORD Id() const { return id_; }
    bool EndsWithin(DWORD ms) const {
        return process_ && WaitForSingleObject(process_.Get(), ms) == WAIT_OBJECT_0;
    }
    // The exit code once ended.
    std::optional<DWORD> ExitCode() const {
        DWORD code = 0;
        return EndsWithin(0) && GetExitCodeProcess(process_.Get(), &code) ? std::optional(code)
                                                                          : std::nullopt;
    }

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};

// A copy of the stand-in (tests/wine/programs/worm_standin.cpp) under another name, started.
class StandIn {
public:
    explicit StandIn(const char* name, const wchar_t* arguments = L"")
        : path_(Utf8ToWide(folder_.File(name))),
          copied_(CopyFileW((OwnFolder() + L"worm_standin.exe").c_str(), path_.c_str(), FALSE)),
          process_(path_, arguments) {}
    bool Started() const { return copied_ && process_.Id() != 0; }
    StartedProcess& Process() { return process_; }

private:
    TempFolder folder_;
    std::wstring path_;
    bool copied_;
    StartedProcess process_;
};

constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

inline bool RunValuePresent(REGSAM view, const std::wstring& name) {
    UniqueHkey key;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE | view, key.Put()) ==
               ERROR_SUCCESS &&
           RegQueryValueExW(key.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
}

// A string value under the machine's Run key in one view, removed at the end.
class TestRunValue {
public:
    TestRunValue(REGSAM view, std::wstring name, const std::wstring& data)
        : view_(view), name_(std::move(name)) {
        UniqueHkey key;
        written = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE | view,
                                  nullptr, key.Put(), nullptr) == ERROR_SUCCESS &&
                  RegSetValueExW(key.Get(), name_.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) ==
                      ERROR_SUCCESS;
    }
    ~TestRunValue() {
        UniqueHkey key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE | view_, key.Put()) ==
            ERROR_SUCCESS) {
            RegDeleteValueW(key.Get(), name_.c_str());
        }
    }
    TestRunValue(const TestRunValue&) = delete;
    TestRunValue& operator=(const TestRunValue&) = delete;
    bool written = false;

private:
    REGSAM view_;
    std::wstring name_;
};

TEST(Win32Worm, FilesInTheRealSystemFoldersAndRunValuesInBothViewsAreFoundAndCleaned) {
    TestFile msblast(RealSystem32() + L"msblast.exe", FILE_ATTRIBUTE_READONLY);
    // Under WoW64 the 32-bit worm's file lands in SysWOW64, beyond the redirection.
    const std::wstring wowFolder = RunsUnderWow64() ? L"SysWOW64" : L"System32";
    TestFile penis32(SystemSubfolder(wowFolder.c_str()) + L"penis32.exe");
    // The views are separate on 64-bit Windows; a 32-bit one has one and takes the flags.
    TestRunValue native(KEY_WOW64_64KEY, L"windows auto update", L"msblast.exe");
    TestRunValue wow(KEY_WOW64_32KEY, L"windows auto update", L"msblast.exe");
    ASSERT_TRUE(msblast.created && penis32.created && native.written && wow.written);
    Win32WormRig rig;
    rig.w().cmdScan.UserClick();
    ASSERT_TRUE(rig.w().cmdCleanSystem.Enabled());
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_FALSE(msblast.Exists());
    EXPECT_FALSE(penis32.Exists());
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_64KEY, L"windows auto update"));
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_32KEY, L"windows auto update"));
    EXPECT_EQ(rig.w().state.exposureReported, Exposure::Fixed);  // so nothing more is logged
}

TEST(Win32Worm, TheExposureFactsComeFromTheRealSystemFolderTheSystemAndTheRegistry) {
    // sentrel.exe's version record, in the 64-bit System32 alone under WoW64.
    const std::wstring planted = RealSystem32() + L"sentrel-version.dll";
    TestFile file(planted);
    ASSERT_TRUE(file.created &&
                CopyFileW((OwnFolder() + L"sentrel.exe").c_str(), planted.c_str(), FALSE));
    Win32SystemFacts facts;
    EXPECT_EQ(FormatFileVersion(
                  facts.SystemFileVersion("sentrel-version.dll").version.value_or(FileVersion{})),
              "1.20.0.125");
    const SystemVersion system = facts.RunningSystem();
    EXPECT_EQ(std::tuple(system.major, system.minor, system.servicePack),
              RunsUnderWow64() ? std::tuple(6, 1, 1) : std::tuple(5, 1, 3));
    // Wine shares the key between the registry's views, as Windows 7 and later do.
    constexpr const wchar_t* kOle = L"SOFTWARE\\Microsoft\\Ole";
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kOle, L"EnableDCOM", REG_SZ, L"n", sizeof(L"n")),
              ERROR_SUCCESS);
    EXPECT_EQ(facts.EnableDcom(), "n");
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kOle, L"EnableDCOM", REG_SZ, L"Y", sizeof(L"Y"));
}

TEST(Win32Worm, TheProcessTableListsAStandInAndEndsItUnderTheImageExpectedOnly) {
    Win32ProcessTable table;
    StandIn teekids("TEEKIDS.EXE");
    ASSERT_TRUE(teekids.Started()) << "worm_standin.exe is built beside the test";
    EXPECT_TRUE(AnyProcessMatches(table.Snapshot(), "teekids.exe"));
    EXPECT_FALSE(table.Terminate(teekids.Process().Id(), 0, "msblast.exe"));
    EXPECT_FALSE(teekids.Process().EndsWithin(0));
    // A process held open is known to have ended, whoever gets its identifier next.
    const std::unique_ptr<HeldProcess> held = table.Hold(teekids.Process().Id(), "teekids.exe");
    ASSERT_TRUE(held && held->Running());
    KillProcess(table, "teekids.exe");
    EXPECT_TRUE(teekids.Process().EndsWithin(5000));
    EXPECT_FALSE(held->Running());
}

// Wine's own rpcrt4.dll, whatever the prefix reports, carries the fix.
constexpr const char* kWineRpcFixed = R"("exposure":"fixed","rpcrt4":"5.1.2600.2180")";

// Runs sentrel.exe with the arguments and "/log FILE", waits for its end; its exit code and log.
std::pair<std::optional<DWORD>, std::string> RunSentrel(const std::wstring& arguments,
                                                        const std::wstring& exe = OwnFolder() +
                                                                                  L"sentrel.exe") {
    TempFolder folder;
    const std::string log = folder.File("runs.jsonl");
    StartedProcess sentrel(exe, arguments + L" /quiet /log \"" + Utf8ToWide(log) + L"\"");
    EXPECT_TRUE(sentrel.EndsWithin(60000));
    return {sentrel.ExitCode(), ReadBytes(log)};
}

TEST(Win32Worm, ARenamedWormIsFoundByItsMutexAndPortAlsoByAScriptedScan) {
    Win32WormMutex mutex;
    {
        // While the program holds the worm's mutex, a worm exits at once, and the hold (unowned,
        // as Immunise takes it) is no sign of the worm to another copy of the program.
        ASSERT_TRUE(mutex.Hold(true));
        StandIn late("svc_update.exe", L"/worm");
        ASSERT_TRUE(late.Process().EndsWithin(10000));
        EXPECT_EQ(late.Process().ExitCode(), 3U);
        EXPECT_EQ(RunSentrel(L"/scan").first, 0U);
        mutex.Hold(false);
    }
    StandIn worm("svc_update.exe", L"/worm");
    Win32SocketTable sockets;
    // As the task scanner looks: from the look-ups made in the background since the last.
    ASSERT_TRUE(PumpUntil([&] { return FindWormSigns(sockets, mutex, true).size() >= 2; }, 10000));
    const auto [code, log] = RunSentrel(L"/scan");
    EXPECT_EQ(code, 1U);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    EXPECT_NE(log.find("mutex BILLY"), std::string::npos) << log;
    EXPECT_NE(log.find("4444"), std::string::npos) << log;
    EXPECT_NE(log.find(kWineRpcFixed), std::string::npos) << log;
}

TEST(Win32Worm, AScriptedCleanRemovesALaterVariantAndSaysSoInItsExitCodeAndLog) {
    TestFile mslaugh(SystemSubfolder(L"System32") + L"mslaugh.exe", FILE_ATTRIBUTE_READONLY);
    TestRunValue automation(KEY_WOW64_32KEY, L"windows automation", L"mslaugh.exe");
    ASSERT_TRUE(mslaugh.created && automation.written);
    const auto [code, log] = RunSentrel(L"/clean");
    EXPECT_EQ(code, 2U);
    EXPECT_FALSE(mslaugh.Exists());
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_32KEY, L"windows automation"));
    EXPECT_NE(log.find(R"("result":"cleaned","exit":2})"), std::string::npos) << log;
    // A view is named only where there are two.
    const std::string value = R"(deleted the Run value \"windows automation\")";
    EXPECT_NE(log.find(value + (RunsUnderWow64() ? R"x( (32-bit view)")x" : "\"")),
              std::string::npos)
        << log;
}

// Told to prefer a native copy of these two DLLs (winmm,iphlpapi=n,b; set in Wine's registry, as
// Wine takes WINEDLLOVERRIDES from its own environment, not from the one a program hands down),
// Wine looks for it beside the program first, as Windows does for a DLL that is not a known DLL.
TEST(Win32Worm, DllsPlantedBesideTheProgramAreNeverLoadedByTheWindowOrAScriptedScan) {
    TempFolder folder;
    const std::wstring exe = Utf8ToWide(folder.File("sentrel.exe"));
    ASSERT_TRUE(CopyFileW((OwnFolder() + L"sentrel.exe").c_str(), exe.c_str(), FALSE));
    const wchar_t* appDefaults = L"Software\\Wine\\AppDefaults\\sentrel.exe";
    UniqueHkey overrides;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, (appDefaults + std::wstring(L"\\DllOverrides")).c_str(),
                        0, nullptr, 0, KEY_SET_VALUE, nullptr, overrides.Put(), nullptr),
        ERROR_SUCCESS);
    for (const wchar_t* dll : {L"winmm", L"iphlpapi"}) {
        const std::wstring path = Utf8ToWide(folder.File(WideToUtf8(dll) + ".dll"));
        ASSERT_TRUE(CopyFileW((OwnFolder() + L"planted_dll.dll").c_str(), path.c_str(), FALSE));
        RegSetValueExW(overrides.Get(), dll, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(L"native,builtin"), sizeof(L"native,builtin"));
    }
    {
        StartedProcess window(exe);
        EXPECT_TRUE(
            PumpUntil([] { return FindWindowW(kMainWindowClass, nullptr) != nullptr; }, 30000));
    }
    EXPECT_EQ(RunSentrel(L"/scan", exe).first, 0U);
    RegDeleteTreeW(HKEY_CURRENT_USER, appDefaults);
    EXPECT_EQ(folder.Names().size(), 3U);  // no "<dll>.loaded" beside them
}

}  // namespace
}  // namespace sentrel::test
