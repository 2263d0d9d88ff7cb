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
    for (const char* text : {"", "8", "80"}) {
        w.txtSocketPort.UserChangedText(text);
        w.txtReturnMessage.UserChangedText(text);
    }
    const std::pair<QelCheckBoxXP*, const char*> boxes[] = {
        {&w.chkMinimiseToTray, "Minimise To Tray"},
        {&w.chkAlwaysOnTop, "Always On Top"},
        {&w.chkPlaySFX, "Play SFX"},
        {&w.chkTaskScanner, "Task Scanner"},
        {&w.chkScanAtStartup, "Scan At Startup"},
        {&w.chkImmunise, "Immunise"}};
    std::vector<std::pair<std::string, std::string>> expected;
    for (const char* text : {"", "8", "80"}) {
        expected.insert(expected.end(), {{"Socket Port", text}, {"Return Message", text}});
    }
    for (const auto& [box, key] : boxes) {
        expected.emplace_back(key, std::to_string(1 - box->Value()));
        box->UserClick();
    }
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
    rig.w().chkImmunise.UserClick();
    EXPECT_FALSE(rig.wormMutex.held);
    EXPECT_EQ(rig.LogTexts().back(), "No longer immunised.");
    rig.wormMutex.holdable = false;
    rig.w().chkImmunise.UserClick();
    EXPECT_EQ(rig.Stored()["Immunise"], "1");
    EXPECT_EQ(rig.Status(), "Immunising failed: the mutex BILLY could not be held.");
    rig.wormMutex.holdable = true;
    rig.w().chkImmunise.UserClick();
    rig.w().chkImmunise.UserClick();
    EXPECT_TRUE(rig.wormMutex.held);
    EXPECT_EQ(rig.Status(),
              "Immunised: the mutex BILLY is held, so a worm started now exits at once.");
}

}  // namespace
}  // namespace sentrel::test
