#include <gtest/gtest.h>

#include "worm_rig.h"

namespace sentrel::test {
namespace {

// The log after the banner.
std::vector<std::string> AfterBanner(const Rig& rig) {
    std::vector<std::string> all = rig.LogTexts();
    return {all.begin() + 1, all.end()};
}

TEST(WormStartup, ByDefaultTheScannerRunsAndAnInfectedScanShowsTheDetectPageWithoutSound) {
    WormRig rig;
    rig.Infect("teekids.exe");
    rig.w().Form_Load();
    const std::vector<std::string> expected{
        "Background msblast worm scanner running.",
        "System was scanned, and  + W32.Blaster.Worm.C found!", "System scan performed."};
    EXPECT_EQ(AfterBanner(rig), expected);
    EXPECT_TRUE(rig.w().tmrMSBlastScan.Enabled());
    EXPECT_EQ(rig.w().chkScanAtStartup.Value(), 1);
    EXPECT_EQ(rig.w().fraContainer[rig.w().fraContainer.FrontIndex()].Tag(), "_detect");
    EXPECT_TRUE(rig.Played().empty());
}

TEST(WormStartup, WithScannerAndScanOffTheImmediateCheckStillRuns) {
    WormRig rig;
    rig.Store("Task Scanner", "0");
    rig.Store("Scan At Startup", "0");
    rig.Store("Startup Notice", "1");
    rig.Infect("msblast.exe");
    rig.processes.processes = {{9, "msblast.exe"}};
    rig.w().Form_Load();
    const std::vector<std::string> expected{
        "Background msblast worm scanner is disabled.", "System scan disabled.",
        "THE MSBLAST WORM (or variant) IS CURRENTLY RUNNING ON YOUR SYSTEM!",
        "SELECT THE DETECT TAB FOR REMOVAL INSTRUCTIONS!",
        "System was scanned, and W32.Blaster.Worm found!"};
    EXPECT_EQ(AfterBanner(rig), expected);
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].title, "MSBLAST WARNING!");
    EXPECT_FALSE(rig.w().tmrMSBlastScan.Enabled());
    EXPECT_EQ(rig.w().chkScanAtStartup.Value(), 0);
    EXPECT_EQ(rig.processes.snapshots, 1);
}

}  // namespace
}  // namespace sentrel::test
