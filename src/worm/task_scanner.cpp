#include "worm/task_scanner.h"

#include <algorithm>

#include "app/wmain.h"
#include "shell/sounds.h"
#include "worm/process_scanner.h"
#include "worm/system_scan.h"
#include "worm/worm_files.h"
#include "worm/worm_signs.h"

namespace sentrel {

namespace {

bool WormProcessRunning(const std::vector<ProcessEntry>& snapshot) {
    return std::ranges::any_of(kWormFiles, [&snapshot](const WormFile& file) {
        return AnyProcessMatches(snapshot, file.fileName);
    });
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
    // One snapshot serves every name and names the owners of the signs.
    const std::vector<ProcessEntry> snapshot = w.services.processes.Snapshot();
    std::vector<WormSign> signs = FindWormSigns(w.services.sockets, w.services.wormMutex, true);
    if (!WormProcessRunning(snapshot) && signs.empty()) {
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
        // The first sighting's scan below logs the signs itself.
        if (w.state.wormWarningShown) {
            NameSignOwners(signs, snapshot);
            LogWormSigns(w, signs);
        }
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
