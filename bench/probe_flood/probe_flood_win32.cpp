// probe_flood: the shipped sentrel.exe under a flood, measured from outside as a user gets it,
// against the bare socket loop in the same run.
//   probe_flood.exe [rate attempts=5000] [large attempts=10000] [addresses=250] [at a time=64]
// sentrel.exe runs from the build folder with its Data folder beside it and default settings
// (only the port is one nobody else uses); the first-run hint is dismissed as a user does.
// Replies go to a stand-in for net.exe in the system folder that ends at once.
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>

#include "bare_loop_win32.h"
#include "flood_win32.h"
#include "remote_window_win32.h"
#include "wine/support/net_stand_in.h"

namespace sentrel::bench {
namespace {

constexpr double kSettledAfterSeconds = 3;
constexpr double kPollSeconds = 0.02;
constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\sentrel";

// One flood against one listener, as seen from outside.
struct Run {
    FloodResult flood;
    std::int64_t counted = 0;
    std::int64_t hitCountSum = -1;
    double perSecond = 0;
    int peakReplies = 0;
    double worstAnswerMs = 0;
    int unanswered = 0;
    Footprint before;
    Footprint after;
    std::optional<Footprint> afterRepeat;
};

// Floods the port while `count` reads the listener's counter (and the time of its latest
// change, where the listener keeps it), until the flood is over and the counter has not moved
// for a while.
template <class Count>
void FloodUntilSettled(int port, const FloodShape& shape, Run& run, Count count) {
    std::atomic<bool> done{false};
    test::WorkerThread client([&] {
        run.flood = Flood(port, shape);
        done = true;
    });
    std::int64_t seen = -1;
    double changed = Seconds();
    for (;;) {
        const auto [now, at] = count();
        if (now != seen) {
            seen = now;
            changed = at > 0 ? at : Seconds();
        }
        if (done && Seconds() - std::max(changed, run.flood.finished) > kSettledAfterSeconds) {
            break;
        }
        Sleep(static_cast<DWORD>(kPollSeconds * 1000));
    }
    client.Join();
    run.counted = seen;
    run.perSecond = static_cast<double>(seen) / std::max(1e-9, changed - run.flood.started);
}

Run MeasureBareLoop(const std::wstring& ownPath, const FloodShape& shape) {
    Run run;
    const int port = FreePort();
    BareLoopProcess loop(ownPath, port);
    if (!loop.Ready()) {
        std::printf("the bare loop did not start listening on port %d\n", port);
        return run;
    }
    run.before = MeasureFootprint(loop.Process());
    const BareLoopCounters& counters = loop.Counters();
    {
        Pinger pinger(counters.window);
        FloodUntilSettled(port, shape, run, [&] {
            return std::pair<std::int64_t, double>(counters.accepted, counters.lastAccept);
        });
        run.worstAnswerMs = pinger.WorstMs();
        run.unanswered = pinger.Unanswered();
    }
    run.after = MeasureFootprint(loop.Process());
    return run;
}

// A user's first start: no settings yet, but for the port.
void FreshSettings(int port) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    UniqueHkey settings;
    const std::wstring path = std::wstring(kSettingsKey) + L"\\Settings";
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                    settings.Put(), nullptr);
    const std::wstring value = std::to_wstring(port);
    RegSetValueExW(settings.Get(), L"Socket Port", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

class ProgramProcess {
public:
    explicit ProgramProcess(const std::wstring& exe) {
        const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.c_str(), &startup, &info_)) {
            CloseHandle(info_.hThread);
        }
    }
    ~ProgramProcess() {
        if (info_.hProcess == nullptr) {
            return;
        }
        if (window_ != nullptr) {
            PostMessageW(window_, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(info_.hProcess, 1);
        }
        CloseHandle(info_.hProcess);
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    void SetWindow(HWND window) { window_ = window; }

private:
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

// Waits until the replies have ended and the program has had a moment to itself.
Footprint Drained(const ProgramProcess& program) {
    const ChildWatcher replies(program.Id(), L"net.exe");
    for (int i = 0; i < 600 && replies.RunningNow() > 0; ++i) {
        Sleep(50);
    }
    Sleep(1000);
    return MeasureFootprint(program.Handle());
}

Run MeasureProgram(const std::wstring& exe, const FloodShape& shape, bool repeat) {
    Run run;
    const int port = FreePort();
    FreshSettings(port);
    ProgramProcess program(exe);
    RemoteWindow remote(program.Handle(), program.Id(), 60000);
    if (!remote.Found()) {
        std::printf("sentrel.exe did not show its window\n");
        return run;
    }
    program.SetWindow(remote.Main());
    // The first-run hint comes up after the window shows; the user presses OK.
    for (int i = 0; i < 40; ++i) {
        remote.DismissBoxes();
        Sleep(50);
    }
    // One probe first (from the flood's first address): the first sound loads the
    // system's sound driver, which is not the flood's doing.
    Flood(port, {1, 1, 1});  // from 127.0.0.1
    Sleep(2000);
    run.before = MeasureFootprint(program.Handle());
    const std::int64_t warmUp = remote.Counter();
    const auto counter = [&] {
        return std::pair<std::int64_t, double>(remote.Counter() - warmUp, 0);
    };
    {
        const Pinger pinger(remote.Main());
        const ChildWatcher replies(program.Id(), L"net.exe");
        FloodUntilSettled(port, shape, run, counter);
        run.worstAnswerMs = pinger.WorstMs();
        run.unanswered = pinger.Unanswered();
        run.peakReplies = replies.Peak();
    }
    run.hitCountSum = remote.HitCountSum() - warmUp;
    run.after = Drained(program);
    if (repeat) {
        // The same flood again adds no log row: whatever it leaves behind, it leaks.
        Run again;
        FloodUntilSettled(port, shape, again, counter);
        run.afterRepeat = Drained(program);
    }
    return run;
}

void PrintRow(const char* what, const std::string& program, const std::string& bare) {
    std::printf("  %-44s %18s %18s\n", what, program.c_str(), bare.c_str());
}

std::string Number(double value, const char* format = "%.0f") {
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

void PrintFootprint(const char* what, const Footprint& from, const Footprint& to,
                    const Footprint& bareFrom, const Footprint& bareTo) {
    const auto change = [](const Footprint& a, const Footprint& b) {
        return Number(static_cast<double>(b.handles - a.handles), "%+.0f") + " / " +
               Number(b.privateKiB - a.privateKiB, "%+.0f KiB");
    };
    PrintRow(what, change(from, to), change(bareFrom, bareTo));
}

void Print(const FloodShape& shape, const Run& program, const Run& bare) {
    std::printf("\n%d attempts from %d addresses in 127.0.0.0/8, %d at a time\n", shape.attempts,
                shape.addresses, shape.concurrent);
    PrintRow("", "sentrel.exe", "bare loop");
    PrintRow("attempts connected", Number(program.flood.connected), Number(bare.flood.connected));
    PrintRow("attempts timed out (5 s) / refused",
             Number(program.flood.timedOut) + " / " + Number(program.flood.refused),
             Number(bare.flood.timedOut) + " / " + Number(bare.flood.refused));
    PrintRow(
        "offered: attempts per second",
        Number(shape.attempts / std::max(1e-9, program.flood.finished - program.flood.started)),
        Number(shape.attempts / std::max(1e-9, bare.flood.finished - bare.flood.started)));
    PrintRow("probes counted", Number(static_cast<double>(program.counted)),
             Number(static_cast<double>(bare.counted)));
    PrintRow("lost (connected, never counted)",
             Number(static_cast<double>(program.flood.connected - program.counted)),
             Number(static_cast<double>(bare.flood.connected - bare.counted)));
    PrintRow("probes counted per second", Number(program.perSecond), Number(bare.perSecond));
    std::printf("  %-44s %18.2f   (goal 0.9, at least 0.5)\n", "ratio",
                program.perSecond / std::max(1e-9, bare.perSecond));
    const bool agree =
        program.counted == program.hitCountSum && program.counted == program.flood.connected;
    std::printf("  %-44s %lld = %lld = %d: %s\n", "counter = sum of hit counts = connected",
                static_cast<long long>(program.counted),
                static_cast<long long>(program.hitCountSum), program.flood.connected,
                agree ? "agree" : "DIFFER");
    PrintRow("reply processes at once, peak (cap 16)", Number(program.peakReplies), "-");
    PrintRow("WM_GETTEXT answered within, worst (ms)",
             Number(program.worstAnswerMs, "%.1f") +
                 (program.unanswered > 0 ? " (" + Number(program.unanswered) + " unanswered)" : ""),
             Number(bare.worstAnswerMs, "%.1f"));
    PrintRow("handles / private bytes before",
             Number(static_cast<double>(program.before.handles)) + " / " +
                 Number(program.before.privateKiB, "%.0f KiB"),
             Number(static_cast<double>(bare.before.handles)) + " / " +
                 Number(bare.before.privateKiB, "%.0f KiB"));
    PrintFootprint("  change after the flood", program.before, program.after, bare.before,
                   bare.after);
    if (program.afterRepeat) {
        PrintFootprint("  change after the same flood again (no new row)", program.after,
                       *program.afterRepeat, bare.after, bare.after);
    }
    std::fflush(stdout);
}

int RunAll(const FloodShape& rate, const FloodShape& large, const std::wstring& ownPath) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    const std::wstring benchFolder = ownPath.substr(0, ownPath.find_last_of(L'\\'));
    const std::wstring buildFolder = benchFolder.substr(0, benchFolder.find_last_of(L'\\'));
    const test::SystemNetStandIn standIn(buildFolder + L"\\net_recorder.exe");
    std::printf(
        "probe_flood: sentrel.exe as a user runs it, flooded from outside, against a bare\n"
        "accept loop in the same run. Replies: %s.\n",
        standIn.Installed() ? "a stand-in for net.exe that ends at once"
                            : "the system's own net.exe (no stand-in)");
    std::fflush(stdout);
    const std::wstring exe = buildFolder + L"\\sentrel.exe";
    for (const auto& [shape, repeat] : {std::pair(rate, false), std::pair(large, true)}) {
        const Run bare = MeasureBareLoop(ownPath, shape);
        const Run program = MeasureProgram(exe, shape, repeat);
        Print(shape, program, bare);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    return 0;
}

}  // namespace
}  // namespace sentrel::bench

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && std::wstring(argv[1]) == L"--bare-loop") {
        return sentrel::bench::RunBareLoop(static_cast<int>(std::wcstol(argv[2], nullptr, 10)),
                                           argv[3]);
    }
    const auto argument = [&](int index, int fallback) {
        return argc > index ? std::max(1, static_cast<int>(std::wcstol(argv[index], nullptr, 10)))
                            : fallback;
    };
    const int addresses = std::min(argument(3, 250), 60000);
    const int concurrent = std::min(argument(4, 64), 512);
    const sentrel::bench::FloodShape rate{argument(1, 5000), addresses, concurrent};
    const sentrel::bench::FloodShape large{argument(2, 10000), addresses, concurrent};
    wchar_t ownPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, ownPath, MAX_PATH);
    return sentrel::bench::RunAll(rate, large, ownPath);
}
