#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/text_win32.h"
#include "wine/listener/listener_rig.h"

namespace sentrel::test {
namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// Puts the recorder beside this program as net.exe, which a command line that begins with NET
// finds first, and records into a file of its own; takes both away again.
class NetRecorder {
public:
    NetRecorder() {
        const std::wstring folder = OwnFolder();
        net_ = folder + L"net.exe";
        record_ = folder + L"net_record_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
        installed_ = CopyFileW((folder + L"net_recorder.exe").c_str(), net_.c_str(), FALSE) != 0;
        SetEnvironmentVariableW(L"SENTREL_NET_RECORD", record_.c_str());
    }
    ~NetRecorder() {
        SetEnvironmentVariableW(L"SENTREL_NET_RECORD", nullptr);
        SetEnvironmentVariableW(L"SENTREL_NET_SLEEP_MS", nullptr);
        DeleteFileW(record_.c_str());
        // The copy may still be running for a moment.
        for (int i = 0; i < 50 && !DeleteFileW(net_.c_str()) &&
                        GetFileAttributesW(net_.c_str()) != INVALID_FILE_ATTRIBUTES;
             ++i) {
            Sleep(100);
        }
    }
    NetRecorder(const NetRecorder&) = delete;
    NetRecorder& operator=(const NetRecorder&) = delete;

    bool Installed() const { return installed_; }
    bool Recorded() const { return GetFileAttributesW(record_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string CommandLine() const {
        std::ifstream in(WideToUtf8(record_), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::wstring net_;
    std::wstring record_;
    bool installed_ = false;
};

TEST(HiddenLauncher, AProbeStartsNetSendWithTheComposedMessage) {
    NetRecorder recorder;
    ASSERT_TRUE(recorder.Installed());
    const int port = FreePort();
    ListenerRig rig(port);
    rig.window->txtReturnMessage.UserChangedText("Hello|World");
    ASSERT_TRUE(ConnectFrom("127.0.0.2", port));
    ASSERT_TRUE(rig.WaitForProbes(1));
    ASSERT_TRUE(PumpUntil([&] { return recorder.Recorded(); }));
    const std::string expected = "NET SEND 127.0.0.2 " + rig.window->state.composedReturnMessage;
    EXPECT_EQ(recorder.CommandLine(), expected);
    EXPECT_NE(expected.find("Hello\r\nWorld\r\n\r\n Message sent with Sentrel v1.20 by "),
              std::string::npos);
    EXPECT_EQ(rig.Status(), "Connection attempted by 127.0.0.2; return message sent.");
}

TEST(HiddenLauncher, CountsTheProcessesStillRunning) {
    NetRecorder recorder;
    ASSERT_TRUE(recorder.Installed());
    SetEnvironmentVariableW(L"SENTREL_NET_SLEEP_MS", L"1500");
    HiddenLauncher launcher;
    ASSERT_TRUE(launcher.StartHidden("NET SEND 127.0.0.1 one").started);
    ASSERT_TRUE(launcher.StartHidden("NET SEND 127.0.0.1 two").started);
    EXPECT_EQ(launcher.RunningCount(), 2);
    EXPECT_TRUE(PumpUntil([&] { return launcher.RunningCount() == 0; }, 15000));
}

TEST(HiddenLauncher, AFailedStartIsReturnedNotThrown) {
    HiddenLauncher launcher;
    const LaunchResult missing = launcher.StartHidden("sentrel-no-such-program-here.exe x");
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.errorDescription.empty());
    EXPECT_EQ(launcher.RunningCount(), 0);
}

}  // namespace
}  // namespace sentrel::test
