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

TEST(Tabs, PagesAreFoundByTagAndExactlyOneButtonIsPressed) {
    Rig rig;
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageLogging);
    EXPECT_TRUE(rig.w().tbrMain.Button(1).pressed);
    EXPECT_EQ(PressedCount(rig.w().tbrMain), 1);
    // Buttons: 1 "Logging", 2 " Detect", 3 "Settings", 4 "About".
    const std::pair<int, std::size_t> clicks[] = {
        {3, kPageSettings}, {2, kPageDetect}, {2, kPageDetect}, {4, kPageAbout}, {1, kPageLogging}};
    for (const auto& [index, page] : clicks) {
        const unsigned raised = rig.w().tbrMain.ZOrderRequests();
        rig.w().tbrMain.RaiseButtonClick(index);
        EXPECT_EQ(rig.w().fraContainer.FrontIndex(), page) << index;
        EXPECT_EQ(PressedCount(rig.w().tbrMain), 1);
        EXPECT_TRUE(rig.w().tbrMain.Button(index).pressed);
        EXPECT_EQ(rig.w().tbrMain.ZOrderRequests(), raised + 1);
    }
}

TEST(Tabs, AnUnknownTagMovesNoPageAndButtonZeroLeavesTheButtons) {
    Rig rig;
    SwitchTab(rig.w().fraContainer, "_nowhere", rig.w().tbrMain, 4);
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageLogging);
    EXPECT_TRUE(rig.w().tbrMain.Button(4).pressed);
    EXPECT_EQ(PressedCount(rig.w().tbrMain), 1);
    SwitchTab(rig.w().fraContainer, "_about", rig.w().tbrMain, 0);
    EXPECT_EQ(rig.w().fraContainer.FrontIndex(), kPageAbout);
    EXPECT_TRUE(rig.w().tbrMain.Button(4).pressed);
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
    EXPECT_EQ(rig.dialogs.messages,
              (std::vector<ShownMessage>{{"0 probes", kMsgInformation, "Sentrel"}}));
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
