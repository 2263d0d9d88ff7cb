// One task-scanner tick on the real process table, socket tables and mutex, against one bare
// snapshot, side by side: the tick takes one snapshot for all six names, and the signs cost
// the two socket tables and a mutex look-up on top.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "fakes/rig.h"
#include "worm/process_table_win32.h"
#include "worm/socket_table_win32.h"
#include "worm/worm_mutex_win32.h"
#include "worm/task_scanner.h"
#include "worm/worm_signs.h"

namespace sentrel {
namespace {

// The real process table, counting the snapshots and the processes they walk.
class CountingProcessTable : public ProcessTable {
public:
    std::vector<ProcessEntry> Snapshot() override {
        std::vector<ProcessEntry> entries = real.Snapshot();
        ++snapshots;
        walked += entries.size();
        return entries;
    }
    std::unique_ptr<HeldProcess> Hold(std::uint32_t id, const std::string& expectedName) override {
        return real.Hold(id, expectedName);
    }
    Win32ProcessTable real;
    int snapshots = 0;
    std::size_t walked = 0;
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// One fetch of a TCP table (the dear part of the signs under Wine), and its number of rows.
template <class Fetch>
DWORD FetchTable(Fetch fetch) {
    std::vector<unsigned char> buffer;
    DWORD size = 0;
    fetch(nullptr, &size);
    buffer.resize(size + 4096);
    size = static_cast<DWORD>(buffer.size());
    if (fetch(buffer.data(), &size) != NO_ERROR) {
        return 0;
    }
    return *reinterpret_cast<const DWORD*>(buffer.data());
}

// The TCP table without owners, which a tick reads, against the listeners with owners, which it
// reads only when something listens on the worm's port.
void PrintTcpTables(int rounds) {
    double basicMs = 0;
    double ownersMs = 0;
    DWORD rows = 0;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        rows = FetchTable(
            [](void* t, DWORD* n) { return GetTcpTable(static_cast<MIB_TCPTABLE*>(t), n, FALSE); });
        basicMs += MillisecondsSince(start);
        start = std::chrono::steady_clock::now();
        FetchTable([](void* t, DWORD* n) {
            return GetExtendedTcpTable(t, n, FALSE, AF_INET, TCP_TABLE_OWNER_PID_LISTENER, 0);
        });
        ownersMs += MillisecondsSince(start);
    }
    std::printf(
        "TCP table, %lu connections: without owners %.3f ms; listeners with owners %.3f ms\n", rows,
        basicMs / rounds, ownersMs / rounds);
}

int Run(int rounds) {
    PrintTcpTables(rounds / 10 + 1);
    test::Rig rig;
    CountingProcessTable counting;
    Win32SocketTable sockets;
    Win32WormMutex wormMutex;
    Services services{rig.settings, rig.environment, rig.dialogs,  rig.clock,     rig.locale,
                      rig.socket,   rig.launcher,    rig.sound,    rig.shell,     rig.tray,
                      counting,     rig.files,       rig.registry, rig.textFiles, sockets,
                      wormMutex,    rig.systemFacts};
    WMain window(services);

    // Interleaved, so that the machine's other load falls on all alike.
    double snapshotMs = 0;
    double signsMs = 0;
    double tickMs = 0;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        counting.real.Snapshot();
        snapshotMs += MillisecondsSince(start);
        start = std::chrono::steady_clock::now();
        FindWormSigns(sockets, wormMutex);
        signsMs += MillisecondsSince(start);
        start = std::chrono::steady_clock::now();
        window.tmrMSBlastScan_Timer();
        tickMs += MillisecondsSince(start);
    }
    snapshotMs /= rounds;
    signsMs /= rounds;
    tickMs /= rounds;
    std::printf("rounds: %d\n", rounds);
    std::printf("one snapshot: %.3f ms\n", snapshotMs);
    std::printf("the signs' look-ups (two socket tables, the mutex): %.3f ms = %.2f snapshots\n",
                signsMs, signsMs / snapshotMs);
    std::printf("one tick: %.3f ms = %.2f snapshots (one is taken)\n", tickMs, tickMs / snapshotMs);
    std::printf("snapshots per tick: %.2f; processes walked per snapshot: %.1f\n",
                static_cast<double>(counting.snapshots) / rounds,
                static_cast<double>(counting.walked) / counting.snapshots);
    return 0;
}

}  // namespace
}  // namespace sentrel

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 200;
    return sentrel::Run(rounds > 0 ? rounds : 200);
}
