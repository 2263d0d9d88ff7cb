// Probes on a real socket, answered by net.exe started from the system folder.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tlhelp32.h>
#include <ws2tcpip.h>

#include "base/format.h"
#include "base/text_win32.h"
#include "fakes/rig.h"
#include "shell/launcher_win32.h"
#include "listener/probe_socket_win32.h"
#include "wine/support/message_pump.h"
#include "wine/support/net_stand_in.h"
#include "wine/support/temp_folder.h"

namespace sentrel::test {
namespace {

struct ListenerRig : Rig {
    WinsockProbeSocket winsock;
    HiddenLauncher realLauncher;
    Services real{settings,     environment, dialogs, clock,     locale,     winsock,
                  realLauncher, sound,       shell,   tray,      processes,  files,
                  registry,     textFiles,   sockets, wormMutex, systemFacts};

    // Starts the window listening on port.
    explicit ListenerRig(int port) {
        window = std::make_unique<WMain>(real);
        Store("Startup Notice", "1");
        Store("Scan At Startup", "0");
        Store("Play SFX", "0");
        Store("Socket Port", std::to_string(port));
        window->Form_Load();
    }
    // The window goes before the services it uses.
    ~ListenerRig() { window.reset(); }
};

// A port that nobody listens on just now.
inline int FreePort() {
    WinsockSession winsock;
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int length = sizeof(address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(probe);
    return ntohs(address.sin_port);
}

// Connects from source to 127.0.0.1:port and hangs up; true when the connection was made.
inline bool ConnectFrom(const std::string& source, int port) {
    WinsockSession winsock;
    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, source.c_str(), &local.sin_addr);
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(static_cast<u_short>(port));
    remote.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected =
        bind(client, reinterpret_cast<sockaddr*>(&local), sizeof(local)) == 0 &&
        connect(client, reinterpret_cast<sockaddr*>(&remote), sizeof(remote)) == 0;
    closesocket(client);
    return connected;
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// Deletes a file that a program which has just ended may still hold for a moment.
void DeleteSoon(const std::wstring& path) {
    PumpUntil([&] {
        return DeleteFileW(path.c_str()) ||
               GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    });
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
        // In the prefix's own temporary folder: the other prefix runs this suite at the same time.
        record_ = Utf8ToWide(lastSaveFolder_.File("net_record.txt"));
        SetEnvironmentVariableW(L"SENTREL_NET_RECORD", record_.c_str());
    }
    ~PlantedNet() {
        SetEnvironmentVariableW(L"SENTREL_NET_RECORD", nullptr);
        SetEnvironmentVariableW(L"SENTREL_NET_SLEEP_MS", nullptr);
        SetCurrentDirectoryW(currentFolder_);
        for (const std::wstring& copy : planted_) {
            DeleteSoon(copy);
        }
    }
    PlantedNet(const PlantedNet&) = delete;
    PlantedNet& operator=(const PlantedNet&) = delete;

    bool Installed() const { return installed_ && system_.Installed(); }
    bool Recorded() const { return GetFileAttributesW(record_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string CommandLine() const { return ReadBytes(WideToUtf8(record_)); }
    std::string Image() const { return ReadBytes(WideToUtf8(record_ + L".image")); }
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
        return ReplaceAll(ToLowerAscii(path), "\\sysnative\\", "\\system32\\");
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

TEST(Listener, ProbesAreCountedAndAnsweredByTheSystemsNetAtMostSixteenAtATime) {
    PlantedNet net;
    ASSERT_TRUE(net.Installed());
    const int port = FreePort();
    ListenerRig rig(port);
    const AppState& state = rig.window->state;
    ASSERT_TRUE(ConnectFrom("127.0.0.2", port));
    ASSERT_TRUE(PumpUntil([&] { return state.probeCount == 1; }));
    EXPECT_EQ(state.ipList, std::vector<std::string>{"127.0.0.2"});
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    ASSERT_TRUE(PumpUntil([&] { return net.Recorded() && state.replies.pending == 0; }, 20000));
    EXPECT_TRUE(SamePath(net.Image(), net.SystemCopy())) << net.Image();
    EXPECT_EQ(net.CommandLine().rfind("NET SEND 127.0.0.2 ", 0), 0U) << net.CommandLine();

    // A burst against replies that take their time: the rest are skipped, yet all counted.
    SetEnvironmentVariableW(L"SENTREL_NET_SLEEP_MS", L"5000");
    for (int i = 1; i <= 50; ++i) {
        ASSERT_TRUE(ConnectFrom("127.0.1." + std::to_string(i), port));
    }
    int peak = 0;
    const auto watching = [&](auto done) {
        return [&peak, done] {
            peak = std::max(peak, RunningNets());
            return done();
        };
    };
    ASSERT_TRUE(PumpUntil(watching([&] { return state.probeCount == 51; }), 20000));
    ASSERT_TRUE(PumpUntil(watching([&] { return state.replies.pending == 0; }), 60000));
    EXPECT_LE(peak, 16);
    EXPECT_GT(peak, 1);
    DWORD after = 0;  // every process and thread handle of the replies is closed
    GetProcessHandleCount(GetCurrentProcess(), &after);
    EXPECT_LE(after, handles + 8);
}

// Listening again starts afresh, on the same port too.
TEST(Listener, ListeningAgainReplacesTheListener) {
    const int port = FreePort();
    WinsockProbeSocket socket;
    socket.SetLocalPort(port);
    socket.Listen();
    EXPECT_NO_THROW(socket.Listen());
    EXPECT_TRUE(ConnectFrom("127.0.0.3", port));
}

}  // namespace
}  // namespace sentrel::test
