// The background task scanner: the timer's tick and the Settings page's switch.
#include "shell/settings.h"
#include "shell/sounds.h"
#include "window/wmain.h"
#include "worm/task_scanner.h"

namespace sentrel {

void WMain::tmrMSBlastScan_Timer() {
    const WormSighting sighting =
        LookForRunningWorm(services.processes, services.sockets, services.wormMutex);
    if (!sighting.running) {
        // The episode ends quietly.
        labWormRunning.SetVisible(false);
        return;
    }
    // The label's visibility remembers the episode: the red lines are logged once per episode.
    if (!labWormRunning.Visible()) {
        labWormRunning.SetVisible(true);
        AddLogEntry("THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM!",
                    LogKind::Worm);
        AddLogEntry("SELECT THE DETECT TAB FOR REMOVAL INSTRUCTIONS!", LogKind::Worm);
        // The first sighting's scan below logs the signs itself.
        if (state.wormWarningShown) {
            LogWormSigns(sighting.signs);
        }
    }
    SetStatusText("THE msblast (or variant) WORM IS CURRENTLY RUNNING ON YOUR SYSTEM!");
    WarnWormRunningOnce();
}

void WMain::WarnWormRunningOnce() {
    if (state.wormWarningShown) {
        return;
    }
    ScanSystem(true);
    // Set before the box: ticks keep coming while it is open and must not show a second one.
    state.wormWarningShown = true;
    services.dialogs.ShowMessage(
        "THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM.\r\n"
        "CLICK ON THE DETECT TAB FOR REMOVAL INSTRUCTIONS.",
        kMsgCritical, "MSBLAST WARNING!");
    if (state.soundEnabled) {
        PlaySoundFile(services.sound, state.sounds.infected);
    }
}

void WMain::chkTaskScanner_Click() {
    SaveCheckBox(kKeyTaskScanner, chkTaskScanner);
    const bool on = chkTaskScanner.Value() != 0;
    tmrMSBlastScan.SetEnabled(on);
    // The scanner's first check comes with the timer's first tick.
    std::string text = "Background task scanner is disabled.";
    if (chkTaskScanner.Value() == 1) {
        text = "Background task scanner running.";
        services.dialogs.ShowMessage(
            "Sentrel will now regulary scan the system processes for any signs of MSBLAST "
            "running.",
            kMsgInformation, "");
    }
    AddLogEntry(text);
    SetStatusText(text);
}

}  // namespace sentrel
