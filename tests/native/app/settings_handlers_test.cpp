#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(SettingsHandlers, EveryKeystrokeAndEveryCheckBoxClickIsStoredUnderItsKey) {
    Rig rig;
    WMain& w = rig.w();
    w.Form_Load();
    rig.settings.writes.clear();
    w.txtSocketPort.UserChangedText("");
    w.txtReturnMessage.UserChangedText("8");
    for (QelCheckBoxXP* box : {&w.chkMinimiseToTray, &w.chkAlwaysOnTop, &w.chkPlaySFX,
                               &w.chkTaskScanner, &w.chkScanAtStartup, &w.chkImmunise}) {
        box->UserClick();
    }
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Socket Port", ""},      {"Return Message", "8"}, {"Minimise To Tray", "0"},
        {"Always On Top", "1"},   {"Play SFX", "0"},       {"Task Scanner", "0"},
        {"Scan At Startup", "0"}, {"Immunise", "1"}};
    EXPECT_EQ(rig.settings.writes, expected);
    EXPECT_TRUE(w.wMain.Topmost());
    EXPECT_FALSE(w.tmrMSBlastScan.Enabled());
}

TEST(SettingsHandlers, AStoreThatRefusesWritesIsSaidOnceInRed) {
    Rig rig;
    rig.settings.refusal = "Access is denied";
    rig.w().Form_Load();  // the port box's fill is the first write
    rig.w().chkPlaySFX.UserClick();
    const std::vector<std::string> texts = rig.LogTexts();
    EXPECT_EQ(texts.front(), "Settings could not be saved: Access is denied.");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), texts.front()), 1);
    EXPECT_EQ(rig.w().lvwLog.Item(0).cell.foreColour, Rgb(255, 0, 0));
}

TEST(Immunise, HoldsTheWormsMutexWhileOnFromStartUpAndSaysWhenItCannot) {
    Rig rig;
    rig.Store("Immunise", "1");
    rig.w().Form_Load();
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
