// probe_flood: floods the listener with connection attempts and reports, side by side in one
// run, how the program's probe handling compares with a bare accept-and-reset loop.
//   probe_flood.exe [attempts=2000] [addresses=100]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "fakes/rig.h"
#include "flood_win32.h"
#include "listener/launcher_win32.h"
#include "listener/probe_socket_win32.h"
#include "wine/support/message_pump.h"
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
    HiddenLauncher realLauncher;
    // Replies skipped as if 16 were still running: the listener and handler alone.
    test::FakeLauncher cappedLauncher;
    Launcher& launcher;
    test::FakeSoundPlayer sound;
    test::FakeShellOpener shell;
    test::FakeTrayIcon tray;
    test::FakeProcessTable processes;
    test::FakeFileSystem files;
    test::FakeRegistry registry;
    test::FakeTextFileWriter textFiles;
    Services services{settings, environment, dialogs, clock,     locale, socket,   launcher,
                      sound,    shell,       tray,    processes, files,  registry, textFiles};
    WMain window{services};

    Product(int port, bool capReplies)
        : launcher(capReplies ? static_cast<Launcher&>(cappedLauncher) : realLauncher) {
        cappedLauncher.processesEnd = false;
        cappedLauncher.running = 16;
        Store("Startup Notice", "1");
        Store("Socket Port", std::to_string(port));
        window.Form_Load();
    }
    void Store(const std::string& key, const std::string& value) {
        settings.values[{environment.exeName, "Settings", key}] = value;
    }
};

struct MinimalFigures {
    int connected = 0;
    int accepted = 0;
    double perSecond = 0;
};

MinimalFigures RunMinimal(int n, int m) {
    const int port = FreePort();
    MinimalAcceptLoop loop(port);
    const FloodResult flood = Flood(port, n, m);
    const double deadline = Seconds() + 3;
    while (loop.Accepted() < flood.connected && Seconds() < deadline) {
        Sleep(5);
    }
    MinimalFigures figures{flood.connected, loop.Accepted(), 0};
    figures.perSecond = figures.accepted / std::max(1e-9, loop.LastAccept() - flood.started);
    return figures;
}

struct ProductFigures {
    int connected = 0;
    std::int64_t counted = 0;
    double perSecond = 0;
    int peakReplies = 0;
    PingResult ping;
};

ProductFigures RunProduct(int n, int m, const std::wstring& ownPath, bool capReplies) {
    const int port = FreePort();
    Product product(port, capReplies);
    ProductFigures figures;
    double lastProbe = 0;
    auto handler = product.socket.ConnectionRequest;
    product.socket.ConnectionRequest = [&] {
        handler();
        figures.peakReplies = std::max(figures.peakReplies, product.launcher.RunningCount());
        lastProbe = Seconds();
    };
    // The window that another process pings while the flood runs.
    HWND window = CreateWindowExW(0, L"STATIC", L"probe_flood", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    PingProcess ping(window, ownPath);
    test::PumpFor(1500);  // let the pinger start

    FloodResult flood;
    std::atomic<bool> done{false};
    test::WorkerThread client([&] {
        flood = Flood(port, n, m);
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
    figures.ping = ping.Stop();
    DestroyWindow(window);
    figures.connected = flood.connected;
    figures.counted = product.window.state.probeCount;
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

// A window on fakes whose replies are all skipped (16 still running), so that starting
// processes does not hide the cost of the program's own work, with `known` addresses probed.
std::unique_ptr<test::Rig> RigWithKnownAddresses(int known) {
    auto rig = std::make_unique<test::Rig>();
    rig->Store("Startup Notice", "1");
    rig->launcher.processesEnd = false;
    rig->launcher.running = 16;
    rig->w().Form_Load();
    for (int i = 0; i < known; ++i) {
        rig->socket.Connect(Address(i));
    }
    return rig;
}

// Rate against the bare loop, uncounted share and the window's answer time of one flood.
void PrintFlood(const ProductFigures& flood, const MinimalFigures& minimal) {
    std::printf("%-34s %14.0f %14.0f   ratio %.2f\n", "probes per second", flood.perSecond,
                minimal.perSecond, flood.perSecond / std::max(1e-9, minimal.perSecond));
    std::printf("%-34s %13.2f%%\n", "connected but never counted",
                100.0 * static_cast<double>(flood.connected - flood.counted) /
                    std::max(1, flood.connected));
    std::printf("%-34s %11.1f ms   (mean %.1f ms over %d pings)\n",
                "window answer while flooded, worst", flood.ping.worstMs, flood.ping.meanMs,
                flood.ping.answered);
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

int Run(int n, int m, const std::wstring& ownPath) {
    WinsockSession winsock;
    std::printf("probe_flood: %d connection attempts from %d addresses in 127.0.0.0/8\n\n", n, m);
    std::fflush(stdout);
    const MinimalFigures minimal = RunMinimal(n, m);
    const ProductFigures product = RunProduct(n, m, ownPath, false);
    const ProductFigures capped = RunProduct(n, m, ownPath, true);
    const HandlingCosts costs = MeasureHandlingCosts(5000);
    const double cost10 = costs.few;
    const double cost10000 = costs.many;

    std::printf("%-34s %14s %14s\n", "", "product", "minimal loop");
    std::printf("%-34s %14d %14d\n", "attempts connected", product.connected, minimal.connected);
    std::printf("%-34s %14lld %14d\n", "attempts counted / accepted",
                static_cast<long long>(product.counted), minimal.accepted);
    PrintFlood(product, minimal);
    std::printf("%-34s %14d   (cap 16)\n", "peak reply processes", product.peakReplies);
    std::printf("\nWith every reply skipped (16 still running), the listener and handler alone:\n");
    PrintFlood(capped, minimal);
    std::printf("\n");
    std::printf("%-34s %11.1f us   with 10 known addresses\n", "handling cost per probe",
                cost10 * 1e6);
    std::printf("%-34s %11.1f us   with 10,000 known addresses, ratio %.2f\n", "", cost10000 * 1e6,
                cost10000 / std::max(1e-12, cost10));
    return 0;
}

}  // namespace
}  // namespace sentrel::bench

int wmain(int argc, wchar_t** argv) {
    if (argc == 5 && std::wstring(argv[1]) == L"--ping") {
        const auto window = reinterpret_cast<HWND>(std::wcstoull(argv[2], nullptr, 10));
        return sentrel::bench::RunPingChild(window, argv[3], argv[4]);
    }
    const int n =
        argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 2000;
    const int m =
        argc > 2 ? std::clamp(static_cast<int>(std::wcstol(argv[2], nullptr, 10)), 1, 60000) : 100;
    wchar_t ownPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, ownPath, MAX_PATH);
    return sentrel::bench::Run(n, m, ownPath);
}
