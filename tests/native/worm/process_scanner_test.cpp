#include <gtest/gtest.h>

#include "fakes/fake_worm.h"
#include "worm/process_scanner.h"

namespace sentrel::test {
namespace {

TEST(ProcessNameMatches, TheNameEndsWithTheTargetWithoutRegardToCase) {
    EXPECT_TRUE(ProcessNameMatches("msblast.exe", "msblast.exe"));
    EXPECT_TRUE(ProcessNameMatches("MSBLAST.EXE", "msblast.exe"));
    EXPECT_TRUE(ProcessNameMatches("msblast.exe", "MsBlast.Exe"));
    EXPECT_TRUE(ProcessNameMatches("C:\\WINDOWS\\system32\\msblast.exe", "msblast.exe"));
    EXPECT_TRUE(ProcessNameMatches("xmsblast.exe", "msblast.exe"));
}

TEST(ProcessNameMatches, TheWholeTargetMustEndTheName) {
    EXPECT_FALSE(ProcessNameMatches("msblast.exe.bak", "msblast.exe"));
    EXPECT_FALSE(ProcessNameMatches("msblast", "msblast.exe"));
    EXPECT_FALSE(ProcessNameMatches("sblast.exe", "msblast.exe"));
    EXPECT_FALSE(ProcessNameMatches("", "msblast.exe"));
}

TEST(ProcessNameMatches, TheNameIsCutAtItsFirstNul) {
    EXPECT_TRUE(ProcessNameMatches(std::string("msblast.exe\0junk", 16), "msblast.exe"));
    EXPECT_FALSE(ProcessNameMatches(std::string("msbl\0ast.exe", 12), "msblast.exe"));
}

TEST(IsProcessRunning, AnEmptyTargetTakesNoSnapshot) {
    FakeProcessTable table;
    table.processes = {{4, "msblast.exe"}};
    EXPECT_FALSE(IsProcessRunning(table, ""));
    EXPECT_EQ(table.snapshots, 0);
}

TEST(IsProcessRunning, FindsAMatchAmongOtherProcesses) {
    FakeProcessTable table;
    table.processes = {{4, "System"}, {8, "explorer.exe"}, {12, "C:\\WINDOWS\\TEEKIDS.EXE"}};
    EXPECT_TRUE(IsProcessRunning(table, "teekids.exe"));
    EXPECT_FALSE(IsProcessRunning(table, "penis32.exe"));
    EXPECT_EQ(table.snapshots, 2);
}

TEST(KillProcess, EndsEveryMatchAndNothingElse) {
    FakeProcessTable table;
    table.processes = {
        {4, "teekids.exe"}, {8, "explorer.exe"}, {12, "TEEKIDS.EXE"}, {16, "teekids.exe.bak"}};
    KillProcess(table, "teekids.exe");
    EXPECT_EQ(table.terminated, (std::vector<std::uint32_t>{4, 12}));
    EXPECT_EQ(table.snapshots, 1);
}

TEST(KillProcess, SkipsAProcessThatCannotBeEndedAndGoesOn) {
    FakeProcessTable table;
    table.processes = {{4, "msblast.exe"}, {8, "msblast.exe"}};
    table.unkillable = {4};
    KillProcess(table, "msblast.exe");
    EXPECT_EQ(table.terminated, (std::vector<std::uint32_t>{8}));
}

TEST(KillProcess, AnEmptyTargetDoesNothing) {
    FakeProcessTable table;
    table.processes = {{4, "msblast.exe"}};
    KillProcess(table, "");
    EXPECT_TRUE(table.terminated.empty());
    EXPECT_EQ(table.snapshots, 0);
}

}  // namespace
}  // namespace sentrel::test
