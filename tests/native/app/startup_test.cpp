#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(Startup, FirstRunLoadsTheDefaultsStoresOnlyPortAndNoticeAndShowsTheHintOnce) {
    Rig rig;
    bool storedBeforeBox = false;
    rig.dialogs.whileOpen = [&] { storedBeforeBox = rig.Stored().count("Startup Notice") == 1; };
    rig.w().Form_Load();
    std::map<std::string, std::string> expected{{"Socket Port", "10000"}, {"Startup Notice", "1"}};
    EXPECT_EQ(rig.Stored(), expected);
    WMain& w = rig.w();
    EXPECT_EQ(w.txtSocketPort.Text(), "10000");
    EXPECT_EQ(w.txtReturnMessage.Text(), DefaultReturnMessage());
    EXPECT_EQ(w.chkMinimiseToTray.Value(), 1);
    EXPECT_EQ(w.chkAlwaysOnTop.Value(), 0);
    EXPECT_EQ(w.chkPlaySFX.Value(), 1);
    EXPECT_EQ(w.chkTaskScanner.Value(), 1);
    EXPECT_EQ(rig.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"Right-click on the log list with your mouse for a context menu.",
                   kMsgInformation, "Once only message.."}}));
    EXPECT_TRUE(storedBeforeBox);
    EXPECT_TRUE(rig.w().wMain.Visible());

    Rig second;
    second.settings.values = rig.settings.values;
    second.w().Form_Load();
    EXPECT_TRUE(second.dialogs.messages.empty());
}

TEST(Startup, HintComparesTheStoredTextExactly) {
    for (const char* stored : {"00", " 0", "1"}) {
        Rig rig;
        rig.Store("Startup Notice", stored);
        rig.w().Form_Load();
        EXPECT_TRUE(rig.dialogs.messages.empty()) << stored;
        EXPECT_EQ(rig.Stored()["Startup Notice"], stored);
    }
}

TEST(Startup, CheckBoxValuesAreReadAsRoundedNumbersAndClamped) {
    const std::pair<const char*, int> cases[] = {{"1.6", 1}, {"-3", 0},  {"abc", 0},
                                                 {"", 0},    {"0.4", 0}, {"1", 1}};
    for (const auto& [stored, expected] : cases) {
        Rig rig;
        rig.Store("Always On Top", stored);
        rig.Store("Minimise To Tray", stored);
        rig.w().Form_Load();
        EXPECT_EQ(rig.w().chkAlwaysOnTop.Value(), expected) << stored;
        EXPECT_EQ(rig.w().chkMinimiseToTray.Value(), expected) << stored;
        // Loading stores nothing for them.
        EXPECT_EQ(rig.Stored()["Always On Top"], stored);
    }
}

TEST(Startup, AStoredMessageOtherThanTheDefaultIsStoredAgain) {
    Rig rig;
    rig.Store("Return Message", "Hello|World");
    rig.w().Form_Load();
    ASSERT_FALSE(rig.settings.writes.empty());
    EXPECT_EQ(rig.w().txtReturnMessage.Text(), "Hello|World");
    int messageWrites = 0;
    for (const auto& [key, value] : rig.settings.writes) {
        messageWrites += key == "Return Message" ? 1 : 0;
    }
    EXPECT_EQ(messageWrites, 1);

    Rig empty;
    empty.Store("Return Message", "");
    empty.w().Form_Load();
    EXPECT_EQ(empty.w().txtReturnMessage.Text(), "");
}

TEST(Startup, TitleBuildCaptionAndBannerComeFromTheVersionRecordAndFramesGetTheirColour) {
    Rig rig;
    rig.environment.version = {1, 5, 7};
    rig.w().Form_Load();
    EXPECT_EQ(rig.w().labTitle.Caption(), "Sentrel v1.05");
    EXPECT_EQ(rig.w().labBuild.Caption(), "build#0007");
    EXPECT_EQ(rig.w().wMain.Caption(), "Sentrel v1.05");
    ASSERT_GE(rig.w().lvwLog.Count(), 1U);
    EXPECT_EQ(rig.LogTexts()[0], "Sentrel v1.05 build#0007 loaded and waiting.");
    for (const Frame* frame : {&rig.w().fraSocket, &rig.w().fraReturnMessage, &rig.w().fraMisc}) {
        EXPECT_EQ(frame->ForeColor(), Rgb(0, 69, 214)) << frame->Name();
    }
}

TEST(Startup, SettingsLiveUnderTheExecutablesName) {
    Rig rig;
    rig.environment.exeName = "renamed";
    rig.w().Form_Load();
    EXPECT_EQ(rig.settings.SectionOf("renamed").count("Socket Port"), 1U);
    EXPECT_TRUE(rig.settings.SectionOf("sentrel").empty());
}

}  // namespace
}  // namespace sentrel::test
