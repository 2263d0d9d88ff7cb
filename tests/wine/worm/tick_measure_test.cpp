// Measures one task-scanner tick on the real process table: three full snapshots.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "win32_worm_rig.h"
#include "worm/task_scanner.h"

namespace sentrel::test {
namespace {

// Counts the snapshots and the processes they walk.
class CountingProcessTable : public ProcessTable {
public:
    std::vector<ProcessEntry> Snapshot() override {
        std::vector<ProcessEntry> entries = real.Snapshot();
        ++snapshots;
        walked += entries.size();
        return entries;
    }
    bool Terminate(std::uint32_t id, std::uint32_t exitCode) override {
        return real.Terminate(id, exitCode);
    }
    Win32ProcessTable real;
    int snapshots = 0;
    std::size_t walked = 0;
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

TEST(TaskScannerMeasure, OneTickTakesThreeSnapshots) {
    Win32WormRig rig;
    CountingProcessTable counting;
    Services services{rig.settings, rig.environment, rig.dialogs,      rig.clock,    rig.locale,
                      rig.socket,   rig.launcher,    rig.sound,        rig.shell,    rig.tray,
                      counting,     rig.realFiles,   rig.realRegistry, rig.textFiles};
    WMain w(services);
    constexpr int kRounds = 50;

    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        counting.real.Snapshot();
    }
    const double snapshotMs = MillisecondsSince(start) / kRounds;

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        TaskScannerTick(w);
    }
    const double tickMs = MillisecondsSince(start) / kRounds;

    EXPECT_EQ(counting.snapshots, 3 * kRounds);
    EXPECT_FALSE(w.labWormRunning.Visible());
    std::printf(
        "one snapshot: %.3f ms; one tick: %.3f ms (%.2f snapshots' worth); "
        "%.1f processes walked per snapshot\n",
        snapshotMs, tickMs, tickMs / snapshotMs,
        static_cast<double>(counting.walked) / counting.snapshots);
}

}  // namespace
}  // namespace sentrel::test
