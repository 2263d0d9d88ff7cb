#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(SettingsHandlers, TypingAPortStoresEveryKeystroke) {
    Rig rig;
    rig.w().Form_Load();
    rig.settings.writes.clear();
    for (const char* text : {"", "8", "80", "808", "8080"}) {
        rig.w().txtSocketPort.UserChangedText(text);
    }
    std::vector<std::pair<std::string, std::string>> expected{{"Socket Port", ""},
                                                              {"Socket Port", "8"},
                                                              {"Socket Port", "80"},
                                                              {"Socket Port", "808"},
                                                              {"Socket Port", "8080"}};
    EXPECT_EQ(rig.settings.writes, expected);
    rig.w().txtReturnMessage.UserChangedText("");
    EXPECT_EQ(rig.Stored()["Return Message"], "");
}

TEST(SettingsHandlers, EachCheckBoxStoresItsValueUnderItsKey) {
    Rig rig;
    rig.w().Form_Load();
    WMain& w = rig.w();
    const std::pair<QelCheckBoxXP*, const char*> boxes[] = {
        {&w.chkMinimiseToTray, "Minimise To Tray"},
        {&w.chkAlwaysOnTop, "Always On Top"},
        {&w.chkPlaySFX, "Play SFX"},
        {&w.chkTaskScanner, "Task Scanner"},
        {&w.chkScanAtStartup, "Scan At Startup"}};
    for (const auto& [box, key] : boxes) {
        const int before = box->Value();
        box->UserClick();
        EXPECT_EQ(rig.Stored()[key], std::to_string(1 - before)) << key;
    }
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

}  // namespace
}  // namespace sentrel::test
