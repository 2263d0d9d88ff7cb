#include <gtest/gtest.h>

#include "app/main_saved_layout.h"
#include "app/main_saved_layout_win32.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(MainLayoutResource, IsLinkedInAndGivesTheWindowItsCaptions) {
    const std::string layout = LoadMainLayoutResource(GetModuleHandleW(nullptr));
    ASSERT_FALSE(layout.empty());
    Rig rig;
    ApplyMainLayout(rig.w(), layout);
    EXPECT_EQ(rig.w().cmdScan.Caption(), "Rescan System");
    EXPECT_FALSE(rig.w().cmdCleanSystem.Enabled());
    EXPECT_EQ(rig.w().txtSocketPort.InputType(), 1);
    EXPECT_EQ(SaveMainLayout(rig.w()), layout);
}

}  // namespace
}  // namespace sentrel::test
