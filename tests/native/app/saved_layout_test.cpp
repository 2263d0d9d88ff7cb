#include <gtest/gtest.h>

#include "window/main_saved_layout.h"
#include "controls/layout_text.h"
#include "fakes/fake_controls.h"
#include "fakes/rig.h"
#include "shell/settings.h"

namespace sentrel::test {
namespace {

TEST(SavedLayout, TheWindowIsMadeWithTheProgramsLayoutAndSavesItBackUnchanged) {
    Rig rig;
    EXPECT_EQ(SaveMainLayout(rig.w()), SourceFile("res/wmain.layout"));
    // The reply as designed is the default one, so loading it unchanged stores nothing.
    EXPECT_EQ(rig.w().txtReturnMessage.Text(), DefaultReturnMessage());
}

TEST(SavedLayout, EveryPropertyIsReadAndWrittenBack) {
    const LayoutDocument layout = ParseLayout(SourceFile("tests/native/app/every_property.layout"));
    Rig rig;
    ApplyMainLayout(rig.w(), FormatLayout(layout));
    const LayoutDocument saved = ParseLayout(SaveMainLayout(rig.w()));
    for (const LayoutSection& section : layout) {
        EXPECT_EQ(SectionOf(saved, section.instance).Entries(), section.bag.Entries());
    }
    EXPECT_EQ(rig.w().txtSocketPort.ActivateCtrlOnReturnKey(), &rig.w().cmdTestMsg);
}

}  // namespace
}  // namespace sentrel::test
