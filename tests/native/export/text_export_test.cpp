#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "log/text_export.h"

namespace sentrel::test {
namespace {

TEST(TxtRule, AppendsTxtUnlessTheNameEndsInItInAnyCase) {
    EXPECT_EQ(WithTxtExtension("report"), "report.txt");
    EXPECT_EQ(WithTxtExtension("report.TXT"), "report.TXT");
    EXPECT_EQ(WithTxtExtension("C:\\logs\\report.Txt"), "C:\\logs\\report.Txt");
    EXPECT_EQ(WithTxtExtension("report.log"), "report.log.txt");
    EXPECT_EQ(WithTxtExtension("report.text"), "report.text.txt");
}

TEST(TxtRule, ANameShorterThanFourCharactersAlwaysGetsTheExtension) {
    EXPECT_EQ(WithTxtExtension("ab"), "ab.txt");
    EXPECT_EQ(WithTxtExtension("txt"), "txt.txt");
    EXPECT_EQ(WithTxtExtension(".txt"), ".txt");
}

TEST(TxtRule, NonAsciiNamesAreComparedByCharacter) {
    EXPECT_EQ(WithTxtExtension("r\xC3\xA9sum\xC3\xA9"), "r\xC3\xA9sum\xC3\xA9.txt");
    EXPECT_EQ(WithTxtExtension("r\xC3\xA9sum\xC3\xA9.TxT"), "r\xC3\xA9sum\xC3\xA9.TxT");
}

struct ExportFixture : ::testing::Test {
    FakeDialogs dialogs;
    FakeTextFileWriter writer;
    int built = 0;
    TextExport request{"Title..", "Prefix: ", [this] {
                           ++built;
                           return std::string("a\r\n");
                       }};

    ExportOutcome Run() { return ExportTextFile(dialogs, writer, request); }
};

TEST_F(ExportFixture, TheDialogIsASaveDialogForAllFilesWithNothingPreset) {
    Run();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& asked = dialogs.fileRequests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.title, "Title..");
    EXPECT_EQ(asked.initialName, "");
    EXPECT_EQ(asked.filter, "(*.*) All Files\xC2\xAC*.*");
    EXPECT_EQ(asked.initialFolder, "");
    EXPECT_EQ(asked.defaultExtension, "");
}

TEST_F(ExportFixture, CancelWritesNothing) {
    EXPECT_EQ(Run(), ExportOutcome::NotSaved);
    EXPECT_TRUE(writer.attempts.empty());
    EXPECT_EQ(built, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExportFixture, WritesToTheNameWithTheTxtRuleApplied) {
    dialogs.filePaths = {"C:\\out\\report.log"};
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_EQ(writer.attempts, std::vector<std::string>{"C:\\out\\report.log.txt"});
    EXPECT_EQ(writer.files["C:\\out\\report.log.txt"], "a\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExportFixture, AFailedWriteShowsTheExclamationBoxWithTheSystemsDescription) {
    dialogs.filePaths = {"C:\\out\\report.txt"};
    writer.failure = "Access denied";
    EXPECT_EQ(Run(), ExportOutcome::Failed);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "Prefix: Access denied");
    EXPECT_EQ(dialogs.messages[0].style, kMsgExclamation);
    EXPECT_EQ(dialogs.messages[0].title, "");
}

TEST_F(ExportFixture, ReplacingAFileThatOnlyTheTxtRuleNamedIsAskedFirst) {
    writer.files["C:\\out\\report.txt"] = "old";
    dialogs.filePaths = {"C:\\out\\report"};
    dialogs.answerYes = false;
    EXPECT_EQ(Run(), ExportOutcome::NotSaved);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].prompt,
              "C:\\out\\report.txt already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(dialogs.questions[0].title, "Title..");
    EXPECT_EQ(writer.files["C:\\out\\report.txt"], "old");
    EXPECT_TRUE(writer.attempts.empty());
}

TEST_F(ExportFixture, YesToTheQuestionReplacesTheFile) {
    writer.files["C:\\out\\report.txt"] = "old";
    dialogs.filePaths = {"C:\\out\\report"};
    dialogs.answerYes = true;
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_EQ(writer.files["C:\\out\\report.txt"], "a\r\n");
}

TEST_F(ExportFixture, NoQuestionWhenTheDialogAlreadyAskedOrNothingIsReplaced) {
    writer.files["C:\\out\\report.txt"] = "old";
    dialogs.filePaths = {"C:\\out\\report.txt", "C:\\out\\fresh"};
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_EQ(Run(), ExportOutcome::Saved);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(writer.files["C:\\out\\report.txt"], "a\r\n");
    EXPECT_EQ(writer.files["C:\\out\\fresh.txt"], "a\r\n");
}

}  // namespace
}  // namespace sentrel::test
