#include <gtest/gtest.h>

#include <set>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

int PressedCount(const Toolbar& toolbar) {
    int n = 0;
    for (int i = 1; i <= toolbar.ButtonCount(); ++i) {
        n += toolbar.Button(i).pressed ? 1 : 0;
    }
    return n;
}

TEST(Tabs, TheLoggingPageIsInFrontAtStart) {
    Rig rig;
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageLogging);
    EXPECT_TRUE(rig.w().tbrMain.Button(1).pressed);
    EXPECT_EQ(PressedCount(rig.w().tbrMain), 1);
}

TEST(Tabs, PagesAreFoundByTagNotByButtonPosition) {
    Rig rig;
    rig.w().tbrMain.RaiseButtonClick(3);  // "Settings"
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageSettings);
    rig.w().tbrMain.RaiseButtonClick(2);  // " Detect"
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageDetect);
    rig.w().tbrMain.RaiseButtonClick(4);
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageAbout);
}

TEST(Tabs, ExactlyOneButtonIsPressedAfterEveryClick) {
    Rig rig;
    for (int index : {2, 2, 4, 1, 3}) {
        rig.w().tbrMain.RaiseButtonClick(index);
        EXPECT_EQ(PressedCount(rig.w().tbrMain), 1);
        EXPECT_TRUE(rig.w().tbrMain.Button(index).pressed);
    }
}

TEST(Tabs, ClickingBringsTheToolbarBackToTheFront) {
    Rig rig;
    const unsigned before = rig.w().tbrMain.ZOrderRequests();
    rig.w().tbrMain.RaiseButtonClick(3);
    EXPECT_EQ(rig.w().tbrMain.ZOrderRequests(), before + 1);
}

TEST(Tabs, AnUnknownTagMovesNoPageButStillPressesTheButton) {
    Rig rig;
    SwitchTab(rig.w().fraContainer, "_nowhere", rig.w().tbrMain, 4);
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageLogging);
    EXPECT_TRUE(rig.w().tbrMain.Button(4).pressed);
    EXPECT_EQ(PressedCount(rig.w().tbrMain), 1);
}

TEST(Tabs, AButtonIndexOfZeroLeavesTheButtons) {
    Rig rig;
    SwitchTab(rig.w().fraContainer, "_about", rig.w().tbrMain, 0);
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageAbout);
    EXPECT_TRUE(rig.w().tbrMain.Button(1).pressed);
}

TEST(StatusBar, StatusTextGoesToTheGeneralPanelAndItsToolTip) {
    Rig rig;
    const std::string longText(300, 'x');
    rig.w().SetStatusText(longText);
    EXPECT_EQ(rig.w().stbStatus.Panel("_general").text, longText);
    EXPECT_EQ(rig.w().stbStatus.Panel("_general").toolTip, longText);
    EXPECT_EQ(rig.w().stbStatus.Panel("_counter").text, "0 probes");
}

TEST(StatusBar, ClickingAPanelShowsItsText) {
    Rig rig;
    rig.w().stbStatus.RaisePanelClick(2);
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].prompt, "0 probes");
    EXPECT_EQ(rig.dialogs.messages[0].title, "Sentrel");
    EXPECT_EQ(rig.dialogs.messages[0].style, kMsgInformation);
}

TEST(Layout, EveryControlHasAUniqueNameAndAParentBeforeIt) {
    Rig rig;
    std::set<std::string> names;
    std::set<const Control*> seen;
    for (const Control* c : rig.w().Controls()) {
        EXPECT_TRUE(names.insert(c->Name()).second) << c->Name();
        if (c->Parent() != nullptr) {
            EXPECT_TRUE(seen.count(c->Parent()) == 1) << c->Name();
        }
        seen.insert(c);
    }
}

}  // namespace
}  // namespace sentrel::test
