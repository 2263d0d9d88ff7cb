// The Detect page's buttons and the background task scanner's timer.
#include "app/wmain.h"
#include "worm/system_clean.h"
#include "worm/system_scan.h"
#include "worm/task_scanner.h"

namespace sentrel {

void WMain::cmdScan_Click() {
    ScanSystem(*this, true);
}

void WMain::cmdCleanSystem_Click() {
    CleanSystem(*this);
}

void WMain::cmdPreventShutdown_Click() {
    PreventShutdown(*this);
}

void WMain::tmrMSBlastScan_Timer() {
    TaskScannerTick(*this);
}

}  // namespace sentrel
