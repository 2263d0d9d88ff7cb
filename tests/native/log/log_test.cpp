#include <gtest/gtest.h>

#include "base/web_addresses.h"
#include "fakes/rig.h"
#include "log/text_export.h"
#include "log/text_file_replace.h"

namespace sentrel::test {
namespace {

const ListCell& HitCount(Rig& rig, std::size_t i) {
    return rig.w().lvwLog.Item(i).subItems.at(1);
}

TEST(EventLog, AnEntryHasTimeTextHitCountTipsIconTagAndItsColourInEveryCellFromOneOn) {
    Rig rig;
    rig.w().AddLogEntry("Something happened.", false, -5);
    rig.w().AddLogEntry("Red.", false, 255);
    const ListItem& item = rig.w().lvwLog.Item(0);
    EXPECT_EQ(std::tie(item.cell.text, item.cell.toolTip, item.smallIcon, item.tag),
              std::tuple("14:03:27", "Time of the event..", "_info", "Something happened."));
    EXPECT_EQ(std::tie(item.subItems.at(0).text, item.subItems.at(0).toolTip),
              std::tuple("Something happened.", "Something happened."));
    EXPECT_EQ(std::tie(item.subItems.at(1).text, item.subItems.at(1).toolTip),
              std::tuple("-", "[this column does not apply to this event]"));
    EXPECT_FALSE(item.cell.foreColour.has_value());
    const ListItem& red = rig.w().lvwLog.Item(1);
    EXPECT_EQ((std::vector{red.cell.foreColour, red.subItems.at(0).foreColour,
                           red.subItems.at(1).foreColour}),
              std::vector<std::optional<Colour>>(3, Rgb(255, 0, 0)));
}

// Only a new entry is scrolled into view, and only a new colour repaints the list: a flood's
// repeats each redraw their one entry.
TEST(EventLog, MergingKeepsTimeAndPlaceAndCountsHitsAndRedrawsOnlyWhatChanged) {
    Rig rig;
    std::vector<ListChange::Kind> changes;
    rig.w().lvwLog.SetListObserver([&](const ListChange& c) { changes.push_back(c.kind); });
    rig.w().AddLogEntry("Probed by 10.0.0.5; replying with message.", true, kLogProbeColour);
    rig.clock.now = {15, 0, 0};
    rig.w().AddLogEntry("Other event.", false, 0);
    rig.w().AddLogEntry("Probed by 10.0.0.5; replying with message.", true, kLogProbeColour);
    ASSERT_EQ(rig.w().lvwLog.Count(), 2U);
    EXPECT_EQ(std::tie(rig.w().lvwLog.Item(0).cell.text, HitCount(rig, 0).text,
                       HitCount(rig, 0).toolTip, HitCount(rig, 1).text),
              std::tuple("14:03:27", "2", "Total connection attempts from this IP..", "-"));
    using enum ListChange::Kind;
    EXPECT_EQ(changes, (std::vector{Appended, EnsureVisible, Updated, Refresh, Appended,
                                    EnsureVisible, Updated}));
    // A merge recolours the entry it found.
    rig.w().AddLogEntry("Probed by 10.0.0.5; replying with message.", true, 255);
    EXPECT_EQ(rig.w().lvwLog.Item(0).cell.foreColour, Rgb(255, 0, 0));
    // Duplicates without merging add lines.
    rig.w().AddLogEntry("Other event.", false, 0);
    EXPECT_EQ(HitCount(rig, 2).text, "-");
    // Counts go on past the system's digit-group separator.
    rig.locale.thousands = ".";
    rig.w().lvwLog.MutableItem(0).subItems.at(1).text = "1.999";
    rig.w().AddLogEntry("Probed by 10.0.0.5; replying with message.", true, kLogProbeColour);
    EXPECT_EQ(HitCount(rig, 0).text, "2.000");
}

TEST(EventLog, OnlyTheRightButtonOpensTheMenuWhoseClearLeavesTheBannerAndForgetsMerges) {
    StartedRig rig;
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    rig.dialogs.menuChoice = "mCLEARLOG";
    rig.w().lvwLog.RaiseMouseUp(MouseButton::Left, 0, 1, 1);
    EXPECT_TRUE(rig.dialogs.menusShown.empty());
    rig.w().lvwLog.RaiseMouseUp(MouseButton::Right, 0, 1, 1);
    EXPECT_EQ(rig.dialogs.menusShown, Texts{"mContext"});
    EXPECT_EQ(rig.LogTexts(), Texts{"Sentrel v1.20 build#0125 loaded and waiting."});
    rig.w().AddLogEntry("Probed by 1.2.3.4; replying with message.", true, kLogProbeColour);
    EXPECT_EQ(HitCount(rig, 1).text, "1");
}

TEST(EventLog, ADoubleClickShowsTheSelectedEntry) {
    Rig rig;
    rig.w().lvwLog.RaiseDblClick();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    rig.w().AddLogEntry("First.", false, 0);
    rig.w().lvwLog.SetSelectedIndex(0);
    rig.w().lvwLog.RaiseDblClick();
    EXPECT_EQ(rig.dialogs.messages,
              (Messages{{"14:03:27 - First.", kMsgInformation, "Sentrel.."}}));
}

TEST(TxtRule, AppendsTxtUnlessTheLastFourCharactersAreTxtInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"report", "report.txt"}, {"report.TXT", "report.TXT"}, {"report.log", "report.log.txt"},
        {"ab", "ab.txt"},         {"txt", "txt.txt"},           {".txt", ".txt"}};
    for (const auto& [typed, saved] : cases) {
        EXPECT_EQ(WithTxtExtension(typed), saved);
    }
}

struct Export : ::testing::Test {
    Rig rig;
    void SetUp() override {
        rig.w().eventLog.Clear();
        rig.w().SetStatusText("Listening.");
    }
    void Log(LocalTime at, const std::string& text, bool merge = false) {
        rig.clock.now = at;
        rig.w().AddLogEntry(text, merge, 0);
    }
};

TEST_F(Export, TheLogIsTimeDashEventPerEntryWithCrLfUnderTheTxtName) {
    Log({14, 3, 27}, "Sentrel v1.20 build#0125 loaded and waiting.");
    Log({14, 5, 1}, "Probed by 10.0.0.5; replying with message.", true);
    Log({14, 6, 9}, "Probed by 10.0.0.5; replying with message.", true);
    Log({9, 0, 0}, "a|b \"quoted\" r\xC3\xA9sum\xC3\xA9");
    rig.dialogs.filePaths = {"C:\\out\\log.log"};
    // Entries logged while the dialog is open are saved too.
    rig.dialogs.whileOpen = [&] { rig.w().AddLogEntry("during", false, 0); };

    rig.w().mLOG_Click();

    const FileDialogRequest& asked = rig.dialogs.fileRequests.at(0);
    EXPECT_EQ(asked.title + asked.filter, "Enter filename for log..(*.*) All Files\xC2\xAC*.*");
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\log.log.txt"),
              "14:03:27 - Sentrel v1.20 build#0125 loaded and waiting.\r\n"
              "14:05:01 - Probed by 10.0.0.5; replying with message.\r\n"
              "09:00:00 - a|b \"quoted\" r\xC3\xA9sum\xC3\xA9\r\n"
              "09:00:00 - during\r\n");
    EXPECT_TRUE(rig.Status() == "Listening." && rig.dialogs.messages.empty());
}

TEST_F(Export, TheIpListHasHeaderRuleEmptyLineAndTheAddressesAndAnEmptyOneNoDialog) {
    rig.w().mIPs_Click();
    EXPECT_EQ(rig.Status(), "No IPs have yet attempted a connection.");
    EXPECT_TRUE(rig.dialogs.fileRequests.empty());
    rig.w().SetStatusText("Listening.");
    rig.w().labTitle.SetCaption("Sentrel v1.21");
    rig.w().state.ipList = {"10.0.0.5", "10.0.0.7"};
    rig.dialogs.filePaths = {"C:\\out\\iplist"};
    rig.w().mIPs_Click();
    EXPECT_EQ(rig.dialogs.fileRequests.at(0).title, "Enter filename for IP log..");
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\iplist.txt"),
              std::string("IP list created with Sentrel v1.21 by ") + kHomePageUrl + "\r\n" +
                  std::string(74, '-') + "\r\n\r\n10.0.0.5\r\n10.0.0.7\r\n");
    EXPECT_EQ(rig.Status(), "Listening.");
}

TEST_F(Export, CancelDecliningToReplaceAFileOnlyTheTxtRuleNamedOrAFailedWriteSaveNothing) {
    rig.w().state.ipList = {"10.0.0.5"};
    rig.w().mIPs_Click();
    EXPECT_EQ(rig.Status(), "Logging has not been saved.");
    rig.w().SetStatusText("Listening.");
    rig.textFiles.files["C:\\out\\log.txt"] = "old";
    rig.dialogs.filePaths = {"C:\\out\\log.txt", "C:\\out\\log"};
    rig.dialogs.answerYes = false;
    rig.w().mLOG_Click();  // the dialog itself asked about the name typed with .txt
    rig.w().mLOG_Click();
    EXPECT_EQ(rig.dialogs.questions,
              (Messages{{"C:\\out\\log.txt already exists.\r\nDo you want to replace it?",
                         kMsgQuestion, "Enter filename for log.."}}));
    EXPECT_EQ(rig.textFiles.attempts, Texts{"C:\\out\\log.txt"});
    EXPECT_EQ(rig.Status(), "Logging has not been saved.");
    // A failed write shows its own box, and the status stays.
    rig.dialogs.filePaths = {"C:\\out\\new.txt", "C:\\out\\ips.txt"};
    rig.textFiles.failure = "Access denied";
    rig.w().mLOG_Click();
    rig.w().mIPs_Click();
    EXPECT_EQ(rig.dialogs.messages,
              (Messages{{"There was an error while saving the logfile: Access denied",
                         kMsgExclamation, ""},
                        {"There was an error while saving the IP logfile: Access denied",
                         kMsgExclamation, ""}}));
    EXPECT_EQ(rig.Status(), "Logging has not been saved.");
}

// Whatever the system refuses, the old text or the new one is left, and the error says where.
TEST(ReplaceOrOverwrite, ARefusedReplaceMovesOrKeepsTheTemporaryOrWritesInPlace) {
    using Files = std::map<std::string, std::string>;
    const std::string log = "C:\\out\\log.txt";
    const std::string kept = "Error 5. The text is saved in C:\\out\\snt1.tmp instead.";
    // {replace, move, in place: errors; the error shown; the files left}
    const std::tuple<FileCallError, FileCallError, FileCallError, std::string, Files> cases[] = {
        {0, 0, 5, "", {{log, "new"}}},
        {kUnableToMoveReplacement, 0, 0, "", {{log, "new"}}},
        {kUnableToMoveReplacement, 5, 0, kept, {{FakeFileOperations::kTemporary, "new"}}},
        {32, 0, 0, "", {{log, "new"}}},
        {32, 0, 5, "Error 5.", {{log, "old"}}}};
    for (const auto& [replaceError, moveError, inPlaceError, error, left] : cases) {
        FakeFileOperations files;
        files.files[log] = "old";
        files.replaceError = replaceError;
        files.moveError = moveError;
        files.inPlaceError = inPlaceError;
        const FileWriteResult result = ReplaceOrOverwrite(files, log, "new");
        EXPECT_EQ(std::tie(result.written, result.errorDescription, files.files),
                  std::tuple(error.empty(), error, left))
            << replaceError << " " << moveError;
    }
}

}  // namespace
}  // namespace sentrel::test
