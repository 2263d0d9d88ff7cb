#include <gtest/gtest.h>

#include "window/main_saved_layout.h"
#include "controls/layout_text.h"
#include "fakes/fake_controls.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(SavedLayout, TheProgramsLayoutShowsTheWindowAsDesignedAndSavesBackUnchanged) {
    const std::string layout = SourceFile("res/wmain.layout");
    Rig designed;
    Rig loaded;
    ApplyMainLayout(loaded.w(), layout);
    for (std::size_t i = 0; i < loaded.w().Controls().size(); ++i) {
        const Control& c = *loaded.w().Controls()[i];
        if (dynamic_cast<const QelTextBoxXP*>(&c) == nullptr) {  // the font and selection differ
            EXPECT_EQ(Describe(c), Describe(*designed.w().Controls()[i]));
        }
    }
    EXPECT_EQ(SaveMainLayout(loaded.w()), layout);
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
