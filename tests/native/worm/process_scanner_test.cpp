#include <gtest/gtest.h>

#include "fakes/fake_worm.h"
#include "worm/process_scanner.h"

namespace sentrel::test {
namespace {

TEST(ProcessNameMatches, TheNameCutAtItsFirstNulEndsWithTheWholeTargetWithoutRegardToCase) {
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"msblast.exe", "MsBlast.Exe", true},
        {"C:\\WINDOWS\\system32\\msblast.exe", "msblast.exe", true},
        {"xmsblast.exe", "msblast.exe", true},
        {std::string("msblast.exe\0junk", 16), "msblast.exe", true},
        {"msblast.exe.bak", "msblast.exe", false},
        {"sblast.exe", "msblast.exe", false},
        {"", "msblast.exe", false},
        {std::string("msbl\0ast.exe", 12), "msblast.exe", false},
    };
    for (const auto& [name, target, matches] : cases) {
        EXPECT_EQ(ProcessNameMatches(name, target), matches) << name << " / " << target;
    }
}

TEST(KillProcess, EndsEveryMatchWithExitCodeZeroSkippingOneThatCannotBeEnded) {
    FakeProcessTable table;
    table.processes = {{4, "teekids.exe"},
                       {8, "explorer.exe"},
                       {12, "TEEKIDS.EXE"},
                       {16, "teekids.exe.bak"},
                       {20, "teekids.exe"}};
    table.unkillable = {4};
    EXPECT_TRUE(KillProcess(table, "").empty());
    EXPECT_EQ(table.snapshots, 0);
    EXPECT_EQ(KillProcess(table, "teekids.exe").size(), 2U);
    EXPECT_EQ(table.terminated, (std::vector<std::uint32_t>{12, 20}));
    EXPECT_EQ(table.exitCodes, std::set<std::uint32_t>{0});
}

}  // namespace
}  // namespace sentrel::test
