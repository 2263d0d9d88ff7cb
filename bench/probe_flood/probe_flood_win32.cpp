// probe_flood: floods the listener with connection attempts and reports, side by side in one
// run, how the program's probe handling compares with a bare accept-and-reset loop.
//   probe_flood.exe [rate attempts=5000] [flood attempts=10000] [addresses=250] [at a time=64]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "fakes/rig.h"
#include "flood_win32.h"
#include "shell/launcher_win32.h"
#include "listener/probe_socket_win32.h"
#include "wine/support/message_pump.h"
#include "wine/support/net_stand_in.h"
#include "wine/support/worker_thread.h"

namespace sentrel::bench {
namespace {

// The main window on the real listener and launcher; settings, dialogs and the rest are fakes.
struct Product {
    test::FakeSettingsStore settings;
    test::FakeEnvironment environment;
    test::FakeDialogs dialogs;
    test::FakeClock clock;
    test::FakeLocale locale;
    WinsockProbeSocket socket;
    HiddenLauncher launcher;
    test::FakeSoundPlayer sound;
    test::FakeShellOpener shell;
    test::FakeTrayIcon tray;
    test::FakeProcessTable processes;
    test::FakeFileSystem files;
    test::FakeRegistry registry;
    test::FakeTextFileWriter textFiles;
    test::FakeSocketTable sockets;
    test::FakeWormMutex wormMutex;
    test::FakeSystemFacts systemFacts;
    Services services{settings, environment, dialogs, clock,     locale,     socket,
                      launcher, sound,       shell,   tray,      processes,  files,
                      registry, textFiles,   sockets, wormMutex, systemFacts};
    WMain window{services};

    Product(int port, bool skipReplies) {
        Store("Startup Notice", "1");
        // The fake player keeps every sound it is asked for, which would count as the program's.
        Store("Play SFX", "0");
        Store("Socket Port", std::to_string(port));
        window.Form_Load();
        if (skipReplies) {
            // As if 16 replies were still queued or running: every reply is skipped.
            window.state.replies.pending = 16;
        }
    }
    void Store(const std::string& key, const std::string& value) {
        settings.values[{environment.exeName, "Settings", key}] = value;
    }
    // The hit counts of the probe entries, added up.
    std::int64_t HitCountSum() const {
        std::int64_t sum = 0;
        for (std::size_t i = 0; i < window.lvwLog.Count(); ++i) {
            const ListItem& item = window.lvwLog.Item(i);
            if (item.subItems.at(0).text.rfind("Probed by ", 0) != 0) {
                continue;
            }
            std::string digits;
            for (char c : item.subItems.at(1).text) {
                if (c >= '0' && c <= '9') {
                    digits += c;
                }
            }
            sum += std::stoll(digits);
        }
        return sum;
    }
};

struct FloodShape {
    int attempts = 0;
    int addresses = 0;
    int concurrent = 0;
};

struct MinimalFigures {
    int connected = 0;
    int accepted = 0;
    double offered = 0;
    double perSecond = 0;
};

MinimalFigures RunMinimal(const FloodShape& shape) {
    const int port = FreePort();
    MinimalAcceptLoop loop(port);
    const FloodResult flood = Flood(port, shape.attempts, shape.addresses, shape.concurrent);
    const double deadline = Seconds() + 3;
    while (loop.Accepted() < flood.connected && Seconds() < deadline) {
        Sleep(5);
    }
    MinimalFigures figures{flood.connected, loop.Accepted(), flood.OfferedPerSecond(), 0};
    figures.perSecond = figures.accepted / std::max(1e-9, loop.LastAccept() - flood.started);
    return figures;
}

struct ProductFigures {
    int connected = 0;
    double offered = 0;
    std::int64_t counted = 0;
    std::int64_t hitCountSum = 0;
    std::int64_t replies = 0;
    double perSecond = 0;
    int peakReplies = 0;
    std::size_t newLogRows = 0;
    Footprint before;
    Footprint after;
    Footprint afterRepeat;
    PingResult ping;
};

// Floods the window's listener, pumping its messages until every connected attempt is counted
// (or none has come for 10 s) and every reply has ended.
FloodResult FloodAndPump(Product& product, int port, const FloodShape& shape) {
    FloodResult flood;
    std::atomic<bool> done{false};
    test::WorkerThread client([&] {
        flood = Flood(port, shape.attempts, shape.addresses, shape.concurrent);
        done = true;
    });
    double idleSince = 0;
    std::int64_t seen = -1;
    test::PumpUntil(
        [&] {
            if (!done) {
                return false;
            }
            if (product.window.state.probeCount != seen) {
                seen = product.window.state.probeCount;
                idleSince = Seconds();
            }
            return seen >= flood.connected || Seconds() - idleSince > 10;
        },
        600000);
    client.Join();
    test::PumpUntil([&] { return product.window.state.replies.pending == 0; }, 60000);
    return flood;
}

// With `observe`, another process asks a window of the program's thread for its text all
// through the flood, the reply processes are watched, and the footprint is taken before and
// after; without, the flood runs alone, as the minimal loop's does.
ProductFigures RunProduct(const FloodShape& shape, const std::wstring& ownPath, bool skipReplies,
                          bool observe) {
    const int port = FreePort();
    Product product(port, skipReplies);
    ProductFigures figures;
    double lastProbe = 0;
    auto handler = product.socket.ConnectionRequest;
    product.socket.ConnectionRequest = [&] {
        handler();
        lastProbe = Seconds();
        figures.replies += product.window.stbStatus.Panel("_general").text.ends_with("sent.");
    };
    const std::size_t logRows = product.window.lvwLog.Count();
    HWND window = nullptr;
    std::unique_ptr<PingProcess> ping;
    std::unique_ptr<ChildWatcher> replies;
    if (observe) {
        figures.before = MeasureFootprint();
        window = CreateWindowExW(0, L"STATIC", L"probe_flood", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ping = std::make_unique<PingProcess>(window, ownPath);
        test::PumpFor(1500);  // let the pinger start
        replies = std::make_unique<ChildWatcher>(L"net.exe");
    }
    const FloodResult flood = FloodAndPump(product, port, shape);
    figures.counted = product.window.state.probeCount;
    figures.hitCountSum = product.HitCountSum();
    figures.newLogRows = product.window.lvwLog.Count() - logRows;
    if (observe) {
        figures.ping = ping->Stop();
        figures.peakReplies = replies->Peak();
        ping.reset();
        replies.reset();
        DestroyWindow(window);
        test::PumpFor(500);
        figures.after = MeasureFootprint();
        // The same flood again adds no log row: whatever it leaves behind, it leaks.
        FloodAndPump(product, port, shape);
        test::PumpFor(500);
        figures.afterRepeat = MeasureFootprint();
    }
    figures.connected = flood.connected;
    figures.offered = flood.OfferedPerSecond();
    figures.perSecond =
        static_cast<double>(figures.counted) / std::max(1e-9, lastProbe - flood.started);
    return figures;
}

std::string Address(int i) {
    return "10." + std::to_string((i >> 16) & 255) + "." + std::to_string((i >> 8) & 255) + "." +
           std::to_string(i & 255);
}

double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// A window on fakes whose replies are all skipped (16 still pending), so that starting
// processes does not hide the cost of the program's own work, with `known` addresses probed.
std::unique_ptr<test::Rig> RigWithKnownAddresses(int known) {
    auto rig = std::make_unique<test::Rig>();
    rig->Store("Startup Notice", "1");
    rig->w().Form_Load();
    rig->w().state.replies.pending = 16;
    for (int i = 0; i < known; ++i) {
        rig->socket.Connect(Address(i));
    }
    return rig;
}

void PrintShape(const char* what, const FloodShape& shape) {
    std::printf("\n%s: %d attempts from %d addresses in 127.0.0.0/8, %d at a time\n", what,
                shape.attempts, shape.addresses, shape.concurrent);
}

// Rate against the bare loop, uncounted share and the window's answer time of one flood.
void PrintFlood(const ProductFigures& flood, const MinimalFigures& minimal) {
    std::printf("%-36s %14s %14s\n", "", "product", "minimal loop");
    std::printf("%-36s %14.0f %14.0f\n", "offered attempts per second", flood.offered,
                minimal.offered);
    std::printf("%-36s %14d %14d\n", "attempts connected", flood.connected, minimal.connected);
    std::printf("%-36s %14lld\n", "replies handed to the launcher",
                static_cast<long long>(flood.replies));
    std::printf("%-36s %14lld %14d\n", "attempts counted / accepted",
                static_cast<long long>(flood.counted), minimal.accepted);
    std::printf("%-36s %14.0f %14.0f   ratio %.2f\n", "probes per second", flood.perSecond,
                minimal.perSecond, flood.perSecond / std::max(1e-9, minimal.perSecond));
}

// Whether the counts agree, how many replies ran at once, and what the flood left behind.
void PrintIntegrity(const ProductFigures& flood) {
    std::printf("%-36s %14lld = hit counts %lld = connected %d: %s\n", "counter",
                static_cast<long long>(flood.counted), static_cast<long long>(flood.hitCountSum),
                flood.connected,
                flood.counted == flood.hitCountSum && flood.counted == flood.connected ? "agree"
                                                                                       : "DIFFER");
    std::printf("%-36s %14d   (cap 16)\n", "reply processes at once, peak", flood.peakReplies);
    std::printf("%-36s %11.1f ms   (mean %.1f ms over %d asks)\n",
                "WM_GETTEXT answered within, worst", flood.ping.worstMs, flood.ping.meanMs,
                flood.ping.answered);
    const double rows = static_cast<double>(std::max<std::size_t>(1, flood.newLogRows));
    const auto handles = [](const Footprint& from, const Footprint& to) {
        return static_cast<long>(to.handles) - static_cast<long>(from.handles);
    };
    const auto kib = [](const Footprint& from, const Footprint& to) {
        return (to.privateBytes - from.privateBytes) / 1024;
    };
    std::printf("%-36s %14ld   (%lu before)\n", "handles after the flood, change",
                handles(flood.before, flood.after), flood.before.handles);
    std::printf("%-36s %14ld\n", "  after the same flood again",
                handles(flood.after, flood.afterRepeat));
    std::printf("%-36s %11.1f KiB   (%zu new log rows: %.2f KiB a row)\n",
                "private bytes after the flood, change", kib(flood.before, flood.after),
                flood.newLogRows, kib(flood.before, flood.after) / rows);
    std::printf("%-36s %11.1f KiB   (no new log row)\n", "  after the same flood again",
                kib(flood.after, flood.afterRepeat));
}

struct HandlingCosts {
    double few = 0;
    double many = 0;
};

// Median handling time of a probe from a new address with 10 and with 10,000 addresses
// already in the log and the IP list. The two windows take turns in small batches, so that
// whatever else the machine does weighs on both alike; the median keeps a page fault or a
// preempting neighbour from counting as the program's own cost.
HandlingCosts MeasureHandlingCosts(int measured) {
    const auto few = RigWithKnownAddresses(10);
    const auto many = RigWithKnownAddresses(10000);
    std::vector<double> fewTimes;
    std::vector<double> manyTimes;
    int next = 1 << 20;
    constexpr int kBatch = 50;
    for (int batch = 0; batch < measured / kBatch; ++batch) {
        for (test::Rig* rig : {few.get(), many.get()}) {
            std::vector<double>& times = rig == few.get() ? fewTimes : manyTimes;
            for (int j = 0; j < kBatch; ++j) {
                const std::string ip = Address(next++);
                const double started = Seconds();
                rig->socket.Connect(ip);
                times.push_back(Seconds() - started);
            }
        }
    }
    return {Median(fewTimes), Median(manyTimes)};
}

int Run(const FloodShape& rate, const FloodShape& large, const std::wstring& ownPath) {
    WinsockSession winsock;
    // Replies go to a stand-in for net.exe that ends at once: what is measured is the program's
    // handling, not how long a reply takes to be delivered.
    const std::wstring benchFolder = ownPath.substr(0, ownPath.find_last_of(L'\\'));
    const test::SystemNetStandIn standIn(benchFolder + L"\\..\\net_recorder.exe");
    std::printf("probe_flood: the program's listener and replies against a bare accept loop\n");
    std::printf("replies: %s\n",
                standIn.Installed()
                    ? "a stand-in for net.exe in the system folder that ends at once"
                    : "the system's own net.exe (the stand-in could not be put in place)");
    std::fflush(stdout);

    PrintShape("Rate", rate);
    const MinimalFigures minimal = RunMinimal(rate);
    const ProductFigures product = RunProduct(rate, ownPath, false, false);
    const ProductFigures skipped = RunProduct(rate, ownPath, true, false);
    PrintFlood(product, minimal);
    std::printf("With every reply skipped (16 still pending), the listener and handler alone:\n");
    PrintFlood(skipped, minimal);
    std::fflush(stdout);

    PrintShape("Flood", large);
    const MinimalFigures largeMinimal = RunMinimal(large);
    const ProductFigures flood = RunProduct(large, ownPath, false, true);
    PrintFlood(flood, largeMinimal);
    PrintIntegrity(flood);

    const HandlingCosts costs = MeasureHandlingCosts(5000);
    std::printf("\n%-36s %11.1f us   with 10 known addresses\n", "handling cost per probe",
                costs.few * 1e6);
    std::printf("%-36s %11.1f us   with 10,000 known addresses, ratio %.2f\n", "", costs.many * 1e6,
                costs.many / std::max(1e-12, costs.few));
    return 0;
}

}  // namespace
}  // namespace sentrel::bench

int wmain(int argc, wchar_t** argv) {
    if (argc == 5 && std::wstring(argv[1]) == L"--ping") {
        const auto window = reinterpret_cast<HWND>(std::wcstoull(argv[2], nullptr, 10));
        return sentrel::bench::RunPingChild(window, argv[3], argv[4]);
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
    return sentrel::bench::Run(rate, large, ownPath);
}
