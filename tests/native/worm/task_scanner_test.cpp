#include <gtest/gtest.h>

#include <algorithm>

#include "worm/task_scanner.h"
#include "worm/worm_signs.h"
#include "worm_rig.h"

namespace sentrel::test {
namespace {

const std::string kLine1 = "THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM!";
const std::string kLine2 = "SELECT THE DETECT TAB FOR REMOVAL INSTRUCTIONS!";
const std::string kRunningStatus =
    "THE msblast (or variant) WORM IS CURRENTLY RUNNING ON YOUR SYSTEM!";
const std::string kWarning =
    "THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM.\r\n"
    "CLICK ON THE DETECT TAB FOR REMOVAL INSTRUCTIONS.";

struct TickRig : WormRig {
    void WormRuns(bool runs) {
        processes.processes = {{1, "explorer.exe"}};
        if (runs) {
            processes.processes.push_back({66, "C:\\WINDOWS\\system32\\PENIS32.EXE"});
        }
    }
    void Tick() { w().tmrMSBlastScan.RaiseTick(); }
    int Count(const std::string& line) const {
        return static_cast<int>(std::ranges::count(LogTexts(), line));
    }
};

TEST(TaskScannerTick, ASignAloneStartsAnEpisodeAndLaterEpisodesLogItThemselves) {
    TickRig rig;
    rig.processes.processes = {{1234, "svc.exe"}};
    rig.sockets.tcp = {{kWormShellPort, 1234}};
    // The first sighting's scan logs the sign once; a later episode logs it after the red lines.
    for (const auto& tcp : {rig.sockets.tcp, {}, rig.sockets.tcp}) {
        rig.sockets.tcp = tcp;
        rig.Tick();
    }
    const std::string sign =
        "svc.exe (process 1234) listens on TCP port 4444, as the MSBlast worm does.";
    EXPECT_EQ(std::tuple(rig.LogTexts().back(), rig.Count(sign), rig.dialogs.messages.size()),
              std::tuple(sign, 2, 1U));
}

TEST(TaskScannerTick, AnEpisodeScansAndWarnsOnceSetsTheStatusEveryTickAndANewOneLogsAgain) {
    TickRig rig;
    rig.WormRuns(true);
    Texts playedWhileOpen;
    rig.dialogs.whileOpen = [&] { playedWhileOpen = rig.Played(); };
    rig.Tick();
    EXPECT_TRUE(rig.w().labWormRunning.Visible());
    // A worm without files gets the clean verdict, and still the box and its sound.
    const Texts log{kLine1, kLine2, "System was scanned, and no worm was found."};
    EXPECT_EQ(rig.LogTexts(), log);
    EXPECT_EQ(rig.LogColour(1), Rgb(255, 0, 0));
    EXPECT_EQ(rig.dialogs.messages, (Messages{{kWarning, kMsgCritical, "MSBLAST WARNING!"}}));
    // The scan's own sound while the box is open, the warning's sound after it is closed.
    EXPECT_EQ(playedWhileOpen, Texts{"NotInfected.wav"});
    EXPECT_EQ(rig.Played(), (Texts{"NotInfected.wav", "Infected.wav"}));
    // The scan's status is overwritten by nothing after it within this tick.
    EXPECT_EQ(rig.Status(), "System scanned at 14:03:27; no worm found.");
    for (int i = 0; i < 2; ++i) {
        rig.w().SetStatusText("something else");
        rig.Tick();
    }
    EXPECT_EQ(std::tuple(rig.Status(), rig.LogTexts()), std::tuple(kRunningStatus, log));

    rig.WormRuns(false);
    rig.w().SetStatusText("quiet");
    rig.Tick();
    EXPECT_EQ(std::tuple(rig.w().labWormRunning.Visible(), rig.Status()),
              std::tuple(false, "quiet"));
    rig.Tick();
    EXPECT_EQ(rig.LogTexts(), log);

    rig.WormRuns(true);
    rig.Tick();
    EXPECT_TRUE(rig.w().labWormRunning.Visible());
    EXPECT_EQ(std::pair(rig.Count(kLine1), rig.Count(kLine2)), std::pair(2, 2));
    EXPECT_EQ(rig.dialogs.messages.size(), 1U);
}

TEST(TaskScannerTick, TicksWhileTheWarningIsOpenShowNoSecondBoxAndNoSecondScan) {
    TickRig rig;
    rig.WormRuns(true);
    std::vector<bool> shown;
    rig.dialogs.whileOpen = [&] {
        // The box's message loop delivers more ticks; the worm ends during the second.
        for (const bool runs : {true, false, false}) {
            rig.WormRuns(runs);
            rig.w().SetStatusText("other");
            rig.Tick();
            shown.push_back(rig.w().labWormRunning.Visible() && rig.Status() == kRunningStatus);
        }
    };
    rig.Tick();
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(std::tuple(rig.dialogs.messages.size(), rig.Count(kLine1),
                         rig.Count("System was scanned, and no worm was found.")),
              std::tuple(1U, 1, 1));
}

TEST(TaskScannerSwitch, OnStoresStartsTheTimerAndInformsBeforeLoggingOffStopsQuietly) {
    TickRig rig;
    WMain& w = rig.w();
    w.chkTaskScanner.SetValue(0);
    rig.dialogs.whileOpen = [&] {
        // No check runs until the timer's first tick, which may come while the box is open.
        if (rig.dialogs.messages.size() == 1) {
            EXPECT_EQ(rig.processes.snapshots, 0);
            rig.WormRuns(true);
            rig.Tick();
        }
    };
    w.chkTaskScanner.UserClick();
    EXPECT_TRUE(w.tmrMSBlastScan.Enabled());
    EXPECT_EQ(rig.dialogs.messages.at(0),
              (ShownMessage{"Sentrel will now regulary scan the system processes for any signs of "
                            "MSBLAST running.",
                            kMsgInformation, ""}));
    EXPECT_EQ(rig.dialogs.messages.at(1).title, "MSBLAST WARNING!");
    const Texts log{kLine1, kLine2, "System was scanned, and no worm was found.",
                    "Background task scanner running."};
    EXPECT_EQ(rig.LogTexts(), log);
    EXPECT_EQ(rig.Status(), "Background task scanner running.");

    // Switching off stores, stops the timer, says so without a box and keeps the label.
    w.chkTaskScanner.UserClick();
    EXPECT_FALSE(w.tmrMSBlastScan.Enabled());
    EXPECT_EQ(rig.dialogs.messages.size(), 2U);
    EXPECT_EQ(rig.LogTexts().back(), "Background task scanner is disabled.");
    EXPECT_EQ(rig.Status(), "Background task scanner is disabled.");
    EXPECT_TRUE(w.labWormRunning.Visible());
}

TEST(PreventShutdown, StartsTheAbortHiddenAndSaysSoUnlessItCouldNotStart) {
    TickRig rig;
    rig.w().cmdPreventShutdown.UserClick();
    EXPECT_EQ(std::tie(rig.launcher.programs, rig.launcher.commandLines),
              std::tuple(Texts{"shutdown.exe"}, Texts{"shutdown /a"}));
    // With no shutdown pending the abort fails, and that is not looked at.
    rig.launcher.EndOldest({true, {}, 1116});
    EXPECT_EQ(rig.Status(), "The emergency shutdown should now be prevented.");
    EXPECT_EQ(rig.w().lvwLog.Count(), 0U);
    rig.w().cmdPreventShutdown.UserClick();
    rig.launcher.EndOldest({false, "The system cannot find the file specified", 0});
    EXPECT_EQ(rig.Status(),
              "The emergency shutdown could not be prevented: The system cannot find the file "
              "specified");
}

TEST(WormStartup, WithScannerAndScanOffTheImmediateCheckStillRuns) {
    WormRig rig;
    rig.processes.processes = {{9, "msblast.exe"}};
    rig.Start({{"Task Scanner", "0"}, {"Scan At Startup", "0"}});
    EXPECT_EQ(
        std::tuple(rig.LogTexts().at(3), rig.dialogs.messages.at(0).title, rig.processes.snapshots),
        std::tuple(kLine1, "MSBLAST WARNING!", 1));
}

}  // namespace
}  // namespace sentrel::test
