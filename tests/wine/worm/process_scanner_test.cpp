// The process scanner against real processes: a stand-in program copied under the worm's names.
#include <gtest/gtest.h>
#include <windows.h>

#include "win32_worm_rig.h"
#include "worm/process_scanner.h"

namespace sentrel::test {
namespace {

TEST(Win32ProcessTable, SeesAndEndsEveryStandInUnderTheWormsNames) {
    StandInFolder folder;
    const std::wstring teekids = folder.Copy(L"TEEKIDS.EXE");
    const std::wstring msblast = folder.Copy(L"msblast.exe");
    ASSERT_FALSE(teekids.empty()) << "worm_standin.exe is built beside the test";
    ASSERT_FALSE(msblast.empty());

    Win32ProcessTable table;
    EXPECT_FALSE(IsProcessRunning(table, "teekids.exe"));
    StartedProcess first(teekids);
    StartedProcess second(teekids);
    StartedProcess other(msblast);
    ASSERT_TRUE(first.Started() && second.Started() && other.Started());

    EXPECT_TRUE(IsProcessRunning(table, "teekids.exe"));
    EXPECT_TRUE(IsProcessRunning(table, "MSBLAST.EXE"));
    EXPECT_FALSE(IsProcessRunning(table, "penis32.exe"));

    // An identifier is ended only while it still runs the image expected of it.
    EXPECT_FALSE(table.Terminate(first.Id(), 0, "msblast.exe"));
    EXPECT_TRUE(first.Running());
    KillProcess(table, "teekids.exe");
    EXPECT_TRUE(first.EndsWithin(5000));
    EXPECT_TRUE(second.EndsWithin(5000));
    EXPECT_TRUE(other.Running());
    EXPECT_FALSE(IsProcessRunning(table, "teekids.exe"));

    KillProcess(table, "msblast.exe");
    EXPECT_TRUE(other.EndsWithin(5000));
}

}  // namespace
}  // namespace sentrel::test
