#include "worm/task_scanner.h"

#include <array>

#include "app/wmain.h"
#include "shell/sounds.h"
#include "worm/process_scanner.h"
#include "worm/system_scan.h"

namespace sentrel {

namespace {

constexpr std::array<const char*, 3> kWormProcesses{"teekids.exe", "penis32.exe", "msblast.exe"};

bool WormRunning(ProcessTable& processes) {
    // All three are checked on every tick.
    bool running = false;
    for (const char* name : kWormProcesses) {
        running = IsProcessRunning(processes, name) || running;
    }
    return running;
}

void WarnOnce(WMain& w) {
    if (w.state.wormWarningShown) {
        return;
    }
    ScanSystem(w, true);
    // Set before the box: ticks keep coming while it is open and must not show a second one.
    w.state.wormWarningShown = true;
    w.services.dialogs.ShowMessage(
        "THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM.\r\n"
        "CLICK ON THE DETECT TAB FOR REMOVAL INSTRUCTIONS.",
        kMsgCritical, "MSBLAST WARNING!");
    if (w.state.soundEnabled) {
        PlaySoundFile(w.services.sound, w.state.sounds.infected);
    }
}

}  // namespace

void TaskScannerTick(WMain& w) {
    if (!WormRunning(w.services.processes)) {
        // The episode ends quietly.
        w.labWormRunning.SetVisible(false);
        return;
    }
    // The label's visibility remembers the episode: the red lines are logged once per episode.
    if (!w.labWormRunning.Visible()) {
        w.labWormRunning.SetVisible(true);
        w.AddLogEntry("THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM!", false,
                      kLogWormColour);
        w.AddLogEntry("SELECT THE DETECT TAB FOR REMOVAL INSTRUCTIONS!", false, kLogWormColour);
    }
    w.SetStatusText("THE msblast (or variant) WORM IS CURRENTLY RUNNING ON YOUR SYSTEM!");
    WarnOnce(w);
}

void SwitchTaskScanner(WMain& w) {
    const bool on = w.chkTaskScanner.Value() != 0;
    w.tmrMSBlastScan.SetEnabled(on);
    // The scanner's first check comes with the timer's first tick.
    std::string text = "Background task scanner is disabled.";
    if (w.chkTaskScanner.Value() == 1) {
        text = "Background task scanner running.";
        w.services.dialogs.ShowMessage(
            "Sentrel will now regulary scan the system processes for any signs of MSBLAST "
            "running.",
            kMsgInformation, "");
    }
    w.AddLogEntry(text, false, 0);
    w.SetStatusText(text);
}

void PreventShutdown(WMain& w) {
    // The abort's outcome is not looked at: with no shutdown pending it fails, and the status
    // still says the shutdown should now be prevented. Only a command that never started says
    // otherwise.
    w.services.launcher.StartHidden(
        "shutdown.exe", "shutdown /a", [&w](const LaunchOutcome& outcome) {
            if (!outcome.started) {
                w.SetStatusText("The emergency shutdown could not be prevented: " +
                                outcome.errorDescription);
            }
        });
    w.SetStatusText("The emergency shutdown should now be prevented.");
}

}  // namespace sentrel
