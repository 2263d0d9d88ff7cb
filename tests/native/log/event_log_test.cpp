#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

const ListCell& HitCount(Rig& rig, std::size_t i) {
    return rig.w().lvwLog.Item(i).subItems.at(1);
}

TEST(EventLog, AnEntryHasTimeTextHitCountTipsIconAndTag) {
    Rig rig;
    rig.w().AddLogEntry("Something happened.", false, 0);
    const ListItem& item = rig.w().lvwLog.Item(0);
    EXPECT_EQ(item.cell.text, "14:03:27");
    EXPECT_EQ(item.cell.toolTip, "Time of the event..");
    EXPECT_EQ(item.smallIcon, "_info");
    EXPECT_EQ(item.subItems.at(0).text, "Something happened.");
    EXPECT_EQ(item.subItems.at(0).toolTip, "Something happened.");
    EXPECT_EQ(item.subItems.at(1).text, "-");
    EXPECT_EQ(item.subItems.at(1).toolTip, "[this column does not apply to this event]");
    EXPECT_EQ(item.tag, "Something happened.");
    EXPECT_FALSE(item.cell.foreColour.has_value());
}

TEST(EventLog, MergingKeepsTimeAndPlaceAndCountsHits) {
    Rig rig;
    rig.w().AddLogEntry("Probed by 10.0.0.5; replying with message.", true, kLogProbeColour);
    rig.clock.now = {15, 0, 0};
    rig.w().AddLogEntry("Other event.", false, 0);
    rig.w().AddLogEntry("Probed by 10.0.0.5; replying with message.", true, kLogProbeColour);
    ASSERT_EQ(rig.w().lvwLog.Count(), 2U);
    EXPECT_EQ(rig.w().lvwLog.Item(0).cell.text, "14:03:27");
    EXPECT_EQ(HitCount(rig, 0).text, "2");
    EXPECT_EQ(HitCount(rig, 0).toolTip, "Total connection attempts from this IP..");
    EXPECT_EQ(HitCount(rig, 1).text, "-");
    // Duplicates without merging add lines.
    rig.w().AddLogEntry("Other event.", false, 0);
    EXPECT_EQ(rig.w().lvwLog.Count(), 3U);
    EXPECT_EQ(HitCount(rig, 2).text, "-");
}

TEST(EventLog, ColourAppliesToEveryCellOnlyWhenAtLeastOne) {
    Rig rig;
    rig.w().AddLogEntry("Default.", false, 0);
    rig.w().AddLogEntry("Negative.", false, -5);
    rig.w().AddLogEntry("Red.", false, 255);
    for (std::size_t i : {0U, 1U}) {
        EXPECT_FALSE(rig.w().lvwLog.Item(i).cell.foreColour.has_value());
    }
    const ListItem& red = rig.w().lvwLog.Item(2);
    EXPECT_EQ(red.cell.foreColour, Rgb(255, 0, 0));
    EXPECT_EQ(red.subItems.at(0).foreColour, Rgb(255, 0, 0));
    EXPECT_EQ(red.subItems.at(1).foreColour, Rgb(255, 0, 0));
    // A merge recolours the entry it found.
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, 0);
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    EXPECT_EQ(rig.w().lvwLog.Item(3).cell.foreColour, kLogProbeColour);
}

TEST(EventLog, NewEntriesAreScrolledIntoViewMergesAreNot) {
    Rig rig;
    std::vector<ListChange::Kind> kinds;
    rig.w().lvwLog.SetListObserver([&](const ListChange& c) { kinds.push_back(c.kind); });
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, 0);
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, 0);
    std::vector<ListChange::Kind> expected{
        ListChange::Kind::Appended, ListChange::Kind::EnsureVisible, ListChange::Kind::Updated};
    EXPECT_EQ(kinds, expected);
}

TEST(EventLog, ClearLogLeavesTheBannerAndForgetsMerges) {
    Rig rig;
    rig.w().Form_Load();
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    rig.dialogs.menuChoice = "mCLEARLOG";
    rig.w().lvwLog.RaiseMouseUp(MouseButton::Right, 0, 10, 10);
    ASSERT_EQ(rig.w().lvwLog.Count(), 1U);
    EXPECT_EQ(rig.LogTexts()[0], "Sentrel v1.20 build#0125 loaded and waiting.");
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    EXPECT_EQ(HitCount(rig, 1).text, "1");
}

TEST(EventLog, OnlyTheRightButtonOpensTheMenuAndADoubleClickShowsTheSelectedEntry) {
    Rig rig;
    rig.w().lvwLog.RaiseMouseUp(MouseButton::Left, 0, 1, 1);
    rig.w().lvwLog.RaiseMouseUp(MouseButton::Middle, 0, 1, 1);
    rig.w().lvwLog.RaiseMouseUp(MouseButton::Right, 0, 1, 1);
    EXPECT_EQ(rig.dialogs.menusShown, std::vector<std::string>{"mCONTEXT"});
    rig.w().lvwLog.RaiseDblClick();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    rig.w().AddLogEntry("First.", false, 0);
    rig.w().lvwLog.SetSelectedIndex(0);
    rig.w().lvwLog.RaiseDblClick();
    EXPECT_EQ(rig.dialogs.messages,
              (std::vector<ShownMessage>{{"14:03:27 - First.", kMsgInformation, "Sentrel.."}}));
}

}  // namespace
}  // namespace sentrel::test
