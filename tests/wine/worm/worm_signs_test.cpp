// A worm under another name, found by its mutex and its port; the program's own hold on the
// mutex keeps a worm from starting.
#include <gtest/gtest.h>

#include "win32_worm_rig.h"
#include "worm/system_scan.h"

namespace sentrel::test {
namespace {

TEST(Win32WormSigns, ARenamedWormIsFoundByItsMutexAndItsPort) {
    RenamedWorm worm;
    ASSERT_TRUE(worm.Ready());
    Win32WormRig rig;
    ScanSystem(rig.w(), true);
    EXPECT_EQ(rig.w().labScanTitle.Caption(), "Your system appears to be infected!");
    const std::vector<std::string> log = rig.LogTexts();
    ASSERT_EQ(log.size(), 3U);
    EXPECT_EQ(log[0], "A running program holds the mutex BILLY, as the MSBlast worm does.");
    // Under Wine a socket's owner reads 0; on Windows the line names the process.
    EXPECT_NE(log[1].find("listens on TCP port 4444"), std::string::npos) << log[1];
}

TEST(Win32WormMutex, WhileHeldAWormExitsAtOnceAndOnlyAnotherOwnerIsASign) {
    Win32WormMutex mutex;
    ASSERT_TRUE(mutex.Hold(true));
    EXPECT_FALSE(mutex.HeldElsewhere());
    {
        RenamedWorm late;
        ASSERT_TRUE(late.Process().EndsWithin(10000));
        EXPECT_EQ(late.Process().ExitCode(), 3U);  // it found the mutex taken
    }
    mutex.Hold(false);

    RenamedWorm early;
    ASSERT_TRUE(early.Ready());
    ASSERT_TRUE(mutex.Hold(true));
    EXPECT_TRUE(mutex.HeldElsewhere());
    early.Process().End();
    EXPECT_FALSE(mutex.HeldElsewhere());
}

}  // namespace
}  // namespace sentrel::test
