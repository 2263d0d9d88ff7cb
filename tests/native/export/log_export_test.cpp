#include <gtest/gtest.h>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

struct LogExport : ::testing::Test {
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

TEST_F(LogExport, WritesTimeDashEventPerEntryWithCrLfAndNothingElse) {
    Log({14, 3, 27}, "Sentrel v1.20 build#0125 loaded and waiting.");
    Log({14, 5, 1}, "Probed by 10.0.0.5; replying with message.", true);
    Log({14, 6, 9}, "Probed by 10.0.0.5; replying with message.", true);
    Log({9, 0, 0}, "a|b \"quoted\" r\xC3\xA9sum\xC3\xA9");
    rig.dialogs.filePaths = {"C:\\out\\log"};

    rig.w().mLOG_Click();

    EXPECT_EQ(rig.dialogs.fileRequests.at(0).title, "Enter filename for log..");
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\log.txt"),
              "14:03:27 - Sentrel v1.20 build#0125 loaded and waiting.\r\n"
              "14:05:01 - Probed by 10.0.0.5; replying with message.\r\n"
              "09:00:00 - a|b \"quoted\" r\xC3\xA9sum\xC3\xA9\r\n");
    EXPECT_EQ(rig.Status(), "Listening.");
    EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST_F(LogExport, AnEmptyLogGivesAnEmptyFileAndCancelSaysNotSaved) {
    rig.w().mLOG_Click();
    EXPECT_EQ(rig.Status(), "Logging has not been saved.");
    rig.dialogs.filePaths = {"C:\\out\\empty.txt"};
    rig.w().mLOG_Click();
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\empty.txt"), "");
}

TEST_F(LogExport, AFailedWriteShowsTheLogfileErrorAndKeepsTheLog) {
    Log({14, 3, 27}, "one");
    rig.dialogs.filePaths = {"C:\\out\\log.txt"};
    rig.textFiles.failure = "The system cannot find the path specified";
    rig.w().mLOG_Click();
    EXPECT_EQ(rig.dialogs.messages,
              (std::vector<ShownMessage>{{"There was an error while saving the logfile: "
                                          "The system cannot find the path specified",
                                          kMsgExclamation, ""}}));
    EXPECT_EQ(rig.Status(), "Listening.");
    EXPECT_EQ(rig.LogTexts(), std::vector<std::string>{"one"});
}

TEST_F(LogExport, EntriesLoggedWhileTheDialogIsOpenAreSaved) {
    Log({14, 3, 27}, "before");
    rig.dialogs.whileFileDialogOpen = [&] { rig.w().AddLogEntry("during", false, 0); };
    rig.dialogs.filePaths = {"C:\\out\\log.txt"};
    rig.w().mLOG_Click();
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\log.txt"),
              "14:03:27 - before\r\n14:03:27 - during\r\n");
}

}  // namespace
}  // namespace sentrel::test
