// The clean's registry step against the test prefix's machine hive, in both views.
#include <gtest/gtest.h>

#include "win32_worm_rig.h"

namespace sentrel::test {
namespace {

constexpr const wchar_t* kValue = L"windows auto update";

TEST(Win32Registry, TheCleanRemovesTheWormsRunValueFromEveryView) {
    // On 64-bit Windows the views are separate, so the test can tell that both are cleaned; a
    // 32-bit Windows has one, and takes the view flags without complaint.
    if (RunsUnderWow64()) {
        TestRunValue only32(KEY_WOW64_32KEY, kValue, L"msblast.exe");
        ASSERT_TRUE(only32.written);
        EXPECT_TRUE(RunValuePresent(KEY_WOW64_32KEY, kValue));
        EXPECT_FALSE(RunValuePresent(KEY_WOW64_64KEY, kValue));
    }
    TestRunValue native(KEY_WOW64_64KEY, kValue, L"msblast.exe");
    TestRunValue wow(KEY_WOW64_32KEY, kValue, L"msblast.exe");
    ASSERT_TRUE(native.written && wow.written);
    Win32WormRig rig;
    rig.w().cmdCleanSystem.SetEnabled(true);
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_64KEY, kValue));
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_32KEY, kValue));
    EXPECT_EQ(rig.dialogs.messages.at(0).prompt, "Your system was cleaned successfully.");
}

}  // namespace
}  // namespace sentrel::test
