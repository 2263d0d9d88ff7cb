#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

// The Settings page's check boxes and the keys they are stored under.
const char* const kBoxKeys[] = {"Minimise To Tray", "Always On Top",   "Play SFX",
                                "Task Scanner",     "Scan At Startup", "Immunise"};
std::vector<QelCheckBoxXP*> CheckBoxes(WMain& w) {
    return {&w.chkMinimiseToTray, &w.chkAlwaysOnTop,   &w.chkPlaySFX,
            &w.chkTaskScanner,    &w.chkScanAtStartup, &w.chkImmunise};
}

// Later starts find the notice stored and show no hint: the tests that start so see no box.
TEST(Startup, FirstRunStoresOnlyPortAndNoticeAndShowsTheHintOnce) {
    Rig rig;
    bool storedBeforeBox = false;
    rig.dialogs.whileOpen = [&] { storedBeforeBox = rig.Stored().count("Startup Notice") == 1; };
    rig.w().Form_Load();
    EXPECT_EQ(rig.Stored(), (std::map<std::string, std::string>{{"Socket Port", "10000"},
                                                                {"Startup Notice", "1"}}));
    EXPECT_EQ(rig.dialogs.messages,
              (Messages{{"Right-click on the log list with your mouse for a context menu.",
                         kMsgInformation, "Once only message.."}}));
    EXPECT_TRUE(storedBeforeBox && rig.w().wMain.Visible());
}

TEST(Startup, CheckBoxesShowTheirDefaultsOrTheirStoredNumbersRounded) {
    // {stored under every box's key (none: nothing stored), the boxes' values}
    const std::pair<const char*, std::vector<int>> cases[] = {
        {nullptr, {1, 0, 1, 1, 1, 0}}, {"1.6", {1, 1, 1, 1, 1, 1}}, {"0.5", {0, 0, 0, 0, 0, 0}}};
    for (const auto& [stored, values] : cases) {
        Rig rig;
        for (const char* key : kBoxKeys) {
            if (stored != nullptr) {
                rig.Store(key, stored);
            }
        }
        rig.w().Form_Load();
        std::vector<int> shown;
        std::ranges::transform(CheckBoxes(rig.w()), std::back_inserter(shown),
                               [](const QelCheckBoxXP* box) { return box->Value(); });
        EXPECT_EQ(shown, values) << (stored != nullptr ? stored : "none");
        EXPECT_EQ(rig.w().wMain.Topmost(), values[1] == 1);
    }
}

TEST(Startup, TheLogSaysWhatStartedInTheListsOwnColour) {
    for (const char* on : {"1", "0"}) {
        Rig rig;
        rig.Start({{"Task Scanner", on}, {"Scan At Startup", on}});
        Texts expected{"Sentrel v1.20 build#0125 loaded and waiting.",
                       "Background msblast worm scanner is disabled.", "System scan disabled."};
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

TEST(SettingsHandlers, EveryKeystrokeAndEveryCheckBoxClickIsStoredUnderItsKey) {
    Rig rig;
    WMain& w = rig.w();
    w.Form_Load();
    rig.settings.writes.clear();
    w.txtSocketPort.UserChangedText("");
    w.txtReturnMessage.UserChangedText("8");
    for (QelCheckBoxXP* box : CheckBoxes(w)) {
        box->UserClick();
    }
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Socket Port", ""},      {"Return Message", "8"}, {"Minimise To Tray", "0"},
        {"Always On Top", "1"},   {"Play SFX", "0"},       {"Task Scanner", "0"},
        {"Scan At Startup", "0"}, {"Immunise", "1"}};
    EXPECT_EQ(rig.settings.writes, expected);
}

TEST(SettingsHandlers, AStoreThatRefusesWritesIsSaidOnceInRed) {
    Rig rig;
    rig.settings.refusal = "Access is denied";
    rig.w().Form_Load();  // the port box's fill is the first write
    rig.w().chkPlaySFX.UserClick();
    const std::string said = "Settings could not be saved: Access is denied.";
    EXPECT_EQ(rig.LogTexts().front(), said);
    EXPECT_EQ(std::ranges::count(rig.LogTexts(), said), 1);
    EXPECT_EQ(rig.w().lvwLog.Item(0).cell.foreColour, Rgb(255, 0, 0));
}

TEST(Immunise, HoldsTheWormsMutexWhileOnFromStartUpAndSaysWhenItCannot) {
    Rig rig;
    rig.Start({{"Immunise", "1"}});
    EXPECT_TRUE(rig.wormMutex.held);
    rig.wormMutex.holdable = false;
    rig.w().chkImmunise.UserClick();
    EXPECT_EQ(rig.LogTexts().back(), "No longer immunised.");
    rig.w().chkImmunise.UserClick();
    EXPECT_EQ(rig.Status(), "Immunising failed: the mutex BILLY could not be held.");
    rig.wormMutex.holdable = true;
    rig.w().chkImmunise.UserClick();
    rig.w().chkImmunise.UserClick();
    EXPECT_EQ(rig.Status(),
              "Immunised: the mutex BILLY is held, so a worm started now exits at once.");
}

}  // namespace
}  // namespace sentrel::test
