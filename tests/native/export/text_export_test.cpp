#include <gtest/gtest.h>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_log.h"
#include "log/text_export.h"

namespace sentrel::test {
namespace {

TEST(TxtRule, AppendsTxtUnlessTheLastFourCharactersAreTxtInAnyCase) {
    EXPECT_EQ(WithTxtExtension("report"), "report.txt");
    EXPECT_EQ(WithTxtExtension("report.TXT"), "report.TXT");
    EXPECT_EQ(WithTxtExtension("report.log"), "report.log.txt");
    EXPECT_EQ(WithTxtExtension("ab"), "ab.txt");
    EXPECT_EQ(WithTxtExtension("txt"), "txt.txt");
    EXPECT_EQ(WithTxtExtension(".txt"), ".txt");
    EXPECT_EQ(WithTxtExtension("r\xC3\xA9sum\xC3\xA9"), "r\xC3\xA9sum\xC3\xA9.txt");
}

struct TextExportSteps : ::testing::Test {
    FakeDialogs dialogs;
    FakeTextFileWriter writer;
    TextExport request{"Title..", "Prefix: ", [] { return std::string("a\r\n"); }};

    ExportOutcome Run() { return ExportTextFile(dialogs, writer, request); }
};

TEST_F(TextExportSteps, AsksWithASaveDialogForAllFilesAndWritesWithTheTxtRuleApplied) {
    dialogs.filePaths = {"C:\\out\\report.log"};
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_EQ(writer.attempts, std::vector<std::string>{"C:\\out\\report.log.txt"});
    EXPECT_EQ(writer.files["C:\\out\\report.log.txt"], "a\r\n");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& asked = dialogs.fileRequests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.title, "Title..");
    EXPECT_EQ(asked.filter, "(*.*) All Files\xC2\xAC*.*");
    EXPECT_EQ(asked.initialName + asked.initialFolder + asked.defaultExtension, "");
}

TEST_F(TextExportSteps, ReplacingAFileThatOnlyTheTxtRuleNamedIsAskedFirst) {
    writer.files["C:\\out\\report.txt"] = "old";
    dialogs.filePaths = {"C:\\out\\report", "C:\\out\\report"};
    dialogs.answerYes = false;
    EXPECT_EQ(Run(), ExportOutcome::NotSaved);
    EXPECT_EQ(writer.files["C:\\out\\report.txt"], "old");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].prompt,
              "C:\\out\\report.txt already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(dialogs.questions[0].title, "Title..");

    dialogs.answerYes = true;
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_EQ(writer.files["C:\\out\\report.txt"], "a\r\n");
}

TEST_F(TextExportSteps, NoQuestionWhenTheDialogAlreadyAskedOrNothingIsReplaced) {
    writer.files["C:\\out\\report.txt"] = "old";
    dialogs.filePaths = {"C:\\out\\report.txt", "C:\\out\\fresh"};
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_TRUE(dialogs.questions.empty());
}

}  // namespace
}  // namespace sentrel::test
