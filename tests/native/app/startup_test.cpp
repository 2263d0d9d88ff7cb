#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(Startup, FirstRunLoadsTheDefaultsStoresOnlyPortAndNoticeAndShowsTheHintOnce) {
    Rig rig;
    bool storedBeforeBox = false;
    rig.dialogs.whileOpen = [&] { storedBeforeBox = rig.Stored().count("Startup Notice") == 1; };
    rig.w().Form_Load();
    EXPECT_EQ(rig.Stored(), (std::map<std::string, std::string>{{"Socket Port", "10000"},
                                                                {"Startup Notice", "1"}}));
    WMain& w = rig.w();
    EXPECT_EQ(w.chkMinimiseToTray.Value() + w.chkPlaySFX.Value() + w.chkTaskScanner.Value() +
                  w.chkScanAtStartup.Value() - w.chkAlwaysOnTop.Value() - w.chkImmunise.Value(),
              4);
    EXPECT_EQ(rig.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"Right-click on the log list with your mouse for a context menu.",
                   kMsgInformation, "Once only message.."}}));
    EXPECT_TRUE(storedBeforeBox && w.wMain.Visible());

    Rig second;
    second.settings.values = rig.settings.values;
    second.w().Form_Load();
    EXPECT_TRUE(second.dialogs.messages.empty());
}

TEST(Startup, TheLogSaysWhatStartedInTheListsOwnColour) {
    for (const char* on : {"1", "0"}) {
        Rig rig;
        rig.Store("Task Scanner", on);
        rig.Store("Scan At Startup", on);
        rig.w().Form_Load();
        std::vector<std::string> expected{"Sentrel v1.20 build#0125 loaded and waiting.",
                                          "Background msblast worm scanner is disabled.",
                                          "System scan disabled."};
        if (*on == '1') {
            expected = {expected[0], "Background msblast worm scanner running.",
                        "System was scanned, and no worm was found.", "System scan performed."};
        }
        EXPECT_EQ(rig.LogTexts(), expected);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_FALSE(rig.w().lvwLog.Item(i).cell.foreColour.has_value()) << expected[i];
        }
        EXPECT_EQ(*on == '1', rig.w().tmrMSBlastScan.Enabled());
    }
}

TEST(Startup, CheckBoxValuesAreReadAsRoundedNumbersAndClamped) {
    for (const auto& [stored, expected] : {std::pair{"1.6", 1}, {"0.5", 0}}) {
        Rig rig;
        for (const char* key : {"Minimise To Tray", "Always On Top", "Play SFX", "Task Scanner",
                                "Scan At Startup", "Immunise"}) {
            rig.Store(key, stored);
        }
        rig.w().Form_Load();
        WMain& w = rig.w();
        for (const QelCheckBoxXP* box : {&w.chkMinimiseToTray, &w.chkAlwaysOnTop, &w.chkPlaySFX,
                                         &w.chkTaskScanner, &w.chkScanAtStartup, &w.chkImmunise}) {
            EXPECT_EQ(box->Value(), expected) << stored << " " << box->Name();
        }
        EXPECT_EQ(w.wMain.Topmost(), expected == 1);
    }
}

TEST(Startup, TitleBuildAndFrameColoursComeFromTheVersionRecordUnderTheExecutablesName) {
    Rig rig;
    rig.environment.version = {1, 5, 7};
    rig.environment.exeName = "renamed";
    WMain& w = rig.w();
    w.Form_Load();
    EXPECT_EQ(std::tie(w.labTitle.Caption(), w.labBuild.Caption(), w.wMain.Caption()),
              std::make_tuple("Sentrel v1.05", "build#0007", "Sentrel v1.05"));
    EXPECT_EQ(rig.LogTexts()[0], "Sentrel v1.05 build#0007 loaded and waiting.");
    EXPECT_EQ((std::vector{w.fraSocket.ForeColor(), w.fraReturnMessage.ForeColor(),
                           w.fraMisc.ForeColor()}),
              std::vector<std::optional<Colour>>(3, Rgb(0, 69, 214)));
    EXPECT_EQ(rig.settings.SectionOf("renamed").count("Socket Port"), 1U);
}

}  // namespace
}  // namespace sentrel::test
