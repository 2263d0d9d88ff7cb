// The start-up sequence: everything that happens before the user sees the window.
#include "base/format.h"
#include "listener/return_message.h"
#include "shell/settings.h"
#include "shell/sounds.h"
#include "window/window_behaviour.h"
#include "window/immunise.h"
#include "window/wmain.h"

namespace sentrel {

namespace {

constexpr Colour kFrameCaptionColour = Rgb(0, 69, 214);

}  // namespace

std::string TitleText(const VersionRecord& version) {
    return "Sentrel v1." + FormatPadded(version.minor, 2);
}

std::string WMain::MakeLoadedBanner() {
    const VersionRecord version = services.environment.Version();
    return TitleText(version) + " build#" + FormatPadded(version.revision, 4) +
           " loaded and waiting.";
}

void WMain::Form_Load() {
    SettingsStore& store = services.settings;
    AppEnvironment& env = services.environment;

    // 1. Frame caption colours.
    fraSocket.SetForeColor(kFrameCaptionColour);
    fraReturnMessage.SetForeColor(kFrameCaptionColour);
    fraMisc.SetForeColor(kFrameCaptionColour);

    // 2. Sound paths.
    state.sounds = BuildSoundPaths(env.Path());

    // 3-5. Title, build text, window caption.
    const VersionRecord version = env.Version();
    labTitle.SetCaption(TitleText(version));
    labBuild.SetCaption("build#" + FormatPadded(version.revision, 4));
    wMain.SetCaption(labTitle.Caption());

    // 6. Settings into controls. Text boxes raise Change (and so store again) when the text
    // differs; check boxes set from code raise no Click.
    txtSocketPort.SetText(GetSetting(store, env, kKeySocketPort, DefaultSocketPort));
    txtReturnMessage.SetText(GetSetting(store, env, kKeyReturnMessage, DefaultReturnMessage()));
    chkMinimiseToTray.SetValue(
        CheckBoxValueFromSetting(GetSetting(store, env, kKeyMinimiseToTray, "1")));
    chkAlwaysOnTop.SetValue(CheckBoxValueFromSetting(GetSetting(store, env, kKeyAlwaysOnTop, "0")));
    chkPlaySFX.SetValue(CheckBoxValueFromSetting(GetSetting(store, env, kKeyPlaySfx, "1")));
    chkTaskScanner.SetValue(CheckBoxValueFromSetting(GetSetting(store, env, kKeyTaskScanner, "1")));
    LoadImmunise(*this);

    // 7. The task scanner's once-per-run warning has not been shown.
    state.wormWarningShown = false;

    // 8. Banner.
    AddLogEntry(MakeLoadedBanner());

    // 9. Show the window.
    wMain.Show();

    // 10. Always on top, now that the window is shown.
    if (chkAlwaysOnTop.Value() == 1) {
        SetTopmost(wMain, true);
    }

    // 11. The IP list starts empty.
    state.ipList.clear();
    state.ipListIndex.clear();

    // 12. Listen; a failure is reported there and start-up goes on.
    StartListening();

    // 13. The composed return message.
    state.composedReturnMessage = ComposeReturnMessage(txtReturnMessage.Text(), labTitle.Caption());

    // 14. Once-only hint, stored before the box so that it never shows twice.
    if (GetSetting(store, env, kKeyStartupNotice, "0") == "0") {
        StoreSetting(kKeyStartupNotice, "1");
        services.dialogs.ShowMessage(
            "Right-click on the log list with your mouse for a context menu.", kMsgInformation,
            "Once only message..");
    }

    // 15. Task scanner state.
    if (chkTaskScanner.Value() == 1) {
        tmrMSBlastScan.SetEnabled(true);
        AddLogEntry("Background msblast worm scanner running.");
    } else {
        AddLogEntry("Background msblast worm scanner is disabled.");
    }

    // 16. Start-up scan; the scan sets the status text itself.
    chkScanAtStartup.SetValue(
        CheckBoxValueFromSetting(GetSetting(store, env, kKeyScanAtStartup, "1")));
    if (chkScanAtStartup.Value() == 1) {
        ScanSystem(true);
        AddLogEntry("System scan performed.");
    } else {
        AddLogEntry("System scan disabled.");
    }

    // 17. The sound switch, latched after the start-up scan: ticking "Play SFX" during the run
    // takes effect at the next start.
    state.soundEnabled = chkPlaySFX.Value() != 0;

    // 18. One immediate worm check, whatever the scanner's setting.
    tmrMSBlastScan_Timer();
}

}  // namespace sentrel
