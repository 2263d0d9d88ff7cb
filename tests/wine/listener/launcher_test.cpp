#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "base/format.h"
#include "base/system_folder_win32.h"
#include "base/text_win32.h"
#include "wine/export/temp_folder.h"
#include "wine/listener/listener_rig.h"
#include "wine/support/net_stand_in.h"

namespace sentrel::test {
namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::string ReadText(const std::wstring& path) {
    std::ifstream in(WideToUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Deletes a file that a program which has just ended may still hold for a moment.
void DeleteSoon(const std::wstring& path) {
    for (int i = 0; i < 50 && !DeleteFileW(path.c_str()) &&
                    GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
         ++i) {
        Sleep(100);
    }
}

// The recorder stands in for the system folder's net.exe, and copies of it lie where a search
// by name would look first: beside this program and in the current folder, which is where a
// save dialog that changes it leaves it. Each copy records its command line and its own path.
class PlantedNet {
public:
    PlantedNet() {
        planted_ = {OwnFolder() + L"\\net.exe", Utf8ToWide(lastSaveFolder_.File("net.exe"))};
        for (const std::wstring& copy : planted_) {
            installed_ = CopyFileW(Recorder().c_str(), copy.c_str(), FALSE) != 0 && installed_;
        }
        GetCurrentDirectoryW(MAX_PATH, currentFolder_);
        SetCurrentDirectoryW(Utf8ToWide(lastSaveFolder_.File("")).c_str());
        record_ = OwnFolder() + L"\\net_record_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
        SetEnvironmentVariableW(L"SENTREL_NET_RECORD", record_.c_str());
    }
    ~PlantedNet() {
        for (const wchar_t* name :
             {L"SENTREL_NET_RECORD", L"SENTREL_NET_SLEEP_MS", L"SENTREL_NET_EXIT_CODE"}) {
            SetEnvironmentVariableW(name, nullptr);
        }
        SetCurrentDirectoryW(currentFolder_);
        for (const std::wstring& copy : planted_) {
            DeleteSoon(copy);
        }
        DeleteSoon(record_);
        DeleteSoon(record_ + L".image");
    }
    PlantedNet(const PlantedNet&) = delete;
    PlantedNet& operator=(const PlantedNet&) = delete;

    bool Installed() const { return installed_ && system_.Installed(); }
    bool Recorded() const { return GetFileAttributesW(record_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string CommandLine() const { return ReadText(record_); }
    std::string Image() const { return ReadText(record_ + L".image"); }
    std::string SystemCopy() const { return WideToUtf8(system_.Path()); }

private:
    static std::wstring Recorder() { return OwnFolder() + L"\\net_recorder.exe"; }

    SystemNetStandIn system_{Recorder()};
    TempFolder lastSaveFolder_;
    std::vector<std::wstring> planted_;
    std::wstring record_;
    wchar_t currentFolder_[MAX_PATH] = {};
    bool installed_ = true;
};

// Sysnative is how this 32-bit program names the real System32, which the program started from
// there (64-bit under WoW64) calls by its own name.
bool SamePath(const std::string& a, const std::string& b) {
    const auto canonical = [](const std::string& path) {
        return Utf8ToWide(ReplaceAll(ToLowerAscii(path), "\\sysnative\\", "\\system32\\"));
    };
    return canonical(a) == canonical(b);
}

// How many programs named net.exe this process started are running just now.
int RunningNets() {
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        count += entry.th32ParentProcessID == GetCurrentProcessId() &&
                 _wcsicmp(entry.szExeFile, L"net.exe") == 0;
    }
    return count;
}

TEST(HiddenLauncher, AReplyRunsTheSystemFoldersNetNeverOnePlantedWhereASearchLooksFirst) {
    // A reply of an earlier test that is still starting would load the recorder too.
    ASSERT_TRUE(PumpUntil([] { return RunningNets() == 0; }, 20000));
    PlantedNet net;
    ASSERT_TRUE(net.Installed());
    const int port = FreePort();
    ListenerRig rig(port);
    rig.window->txtReturnMessage.UserChangedText("Hello|World");
    ASSERT_TRUE(ConnectFrom("127.0.0.2", port));
    ASSERT_TRUE(rig.WaitForProbes(1));
    ASSERT_TRUE(PumpUntil([&] { return net.Recorded(); }, 20000));
    EXPECT_TRUE(SamePath(net.Image(), net.SystemCopy())) << net.Image();
    EXPECT_EQ(net.CommandLine(), "NET SEND 127.0.0.2 " + rig.window->state.composedReturnMessage);
}

TEST(HiddenLauncher, TellsTheWindowsThreadHowEachProgramEnded) {
    PlantedNet net;
    ASSERT_TRUE(net.Installed());
    SetEnvironmentVariableW(L"SENTREL_NET_EXIT_CODE", L"3");
    HiddenLauncher launcher;
    std::vector<LaunchOutcome> outcomes;
    std::vector<DWORD> threads;
    const auto record = [&](const LaunchOutcome& outcome) {
        outcomes.push_back(outcome);
        threads.push_back(GetCurrentThreadId());
    };
    launcher.StartHidden("net.exe", "NET SEND 127.0.0.1 x", record);
    launcher.StartHidden("sentrel-no-such-program.exe", "x", record);
    ASSERT_TRUE(PumpUntil([&] { return outcomes.size() == 2; }, 20000));
    const auto missing = outcomes[0].started ? outcomes[1] : outcomes[0];
    const auto ended = outcomes[0].started ? outcomes[0] : outcomes[1];
    EXPECT_FALSE(missing.started);
    EXPECT_EQ(missing.errorDescription, SystemErrorDescription(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(ended.started);
    EXPECT_EQ(ended.exitCode, 3U);
    EXPECT_EQ(threads, std::vector<DWORD>(2, GetCurrentThreadId()));
    EXPECT_EQ(RunningNets(), 0);
}

TEST(HiddenLauncher, GoingAwayLeavesRunningProgramsAloneAndReportsNothingMore) {
    PlantedNet net;
    ASSERT_TRUE(net.Installed());
    SetEnvironmentVariableW(L"SENTREL_NET_SLEEP_MS", L"2000");
    int reported = 0;
    {
        HiddenLauncher launcher;
        launcher.StartHidden("net.exe", "NET SEND 127.0.0.1 x",
                             [&](const LaunchOutcome&) { ++reported; });
        ASSERT_TRUE(PumpUntil([] { return RunningNets() == 1; }, 20000));
    }
    EXPECT_EQ(RunningNets(), 1);
    EXPECT_TRUE(PumpUntil([] { return RunningNets() == 0; }, 20000));
    PumpFor(200);
    EXPECT_EQ(reported, 0);
}

TEST(ReplyBurst, AtMostSixteenRunAndEveryProbeIsCountedWithTheRestSkipped) {
    PlantedNet net;
    ASSERT_TRUE(net.Installed());
    SetEnvironmentVariableW(L"SENTREL_NET_SLEEP_MS", L"5000");
    const int port = FreePort();
    ListenerRig rig(port);
    std::vector<std::string> statuses;
    const auto handle = rig.winsock.ConnectionRequest;
    rig.winsock.ConnectionRequest = [&] {
        handle();
        statuses.push_back(rig.Status());
    };
    int peak = 0;
    const auto pumpWatchingUntil = [&peak](const auto& done, DWORD timeoutMs) {
        return PumpUntil(
            [&] {
                peak = std::max(peak, RunningNets());
                return done();
            },
            timeoutMs);
    };
    for (int i = 1; i <= 50; ++i) {
        ASSERT_TRUE(ConnectFrom(("127.0.1." + std::to_string(i)).c_str(), port));
    }
    ASSERT_TRUE(pumpWatchingUntil([&] { return rig.window->state.probeCount == 50; }, 20000));
    ASSERT_TRUE(pumpWatchingUntil([&] { return rig.window->state.repliesPending == 0; }, 60000));
    EXPECT_LE(peak, 16);
    EXPECT_EQ(rig.Counter(), "50 probes");
    ASSERT_EQ(statuses.size(), 50U);
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        const std::string ip = "127.0.1." + std::to_string(i + 1);
        EXPECT_EQ(statuses[i], "Connection attempted by " + ip +
                                   (i < 16 ? "; return message sent." : "; reply skipped."));
    }
}

}  // namespace
}  // namespace sentrel::test
