#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/check_box_pictures.h"
#include "controls/qel_check_box_xp.h"
#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

// A check box whose events are written into one journal.
struct Box {
    QelCheckBoxXP box{"chkTest"};
    FakePointer pointer;
    std::vector<std::string> events;

    Box() {
        box.SetCaption("Caption");
        box.SetPointerSource(&pointer);
        box.Click = [this] { events.push_back("Click"); };
        box.MouseOut = [this] { events.push_back("MouseOut"); };
        box.MouseDown = [this](int& b, int&, float&, float&) {
            events.push_back("MouseDown " + std::to_string(b));
        };
        box.MouseMove = [this](int&, int&, float&, float&) { events.push_back("MouseMove"); };
        box.MouseUp = [this](int& b, int&, float&, float&) {
            events.push_back("MouseUp " + std::to_string(b));
        };
        box.KeyDown = [this](int& k, int&) { events.push_back("KeyDown " + std::to_string(k)); };
        box.KeyPress = [this](int& k) { events.push_back("KeyPress " + std::to_string(k)); };
        box.KeyUp = [this](int& k, int&) { events.push_back("KeyUp " + std::to_string(k)); };
    }
    void MoveInside(int button = 0) {
        pointer.MoveTo(5, 5);
        box.HandleMouseMove(button, 0, 5, 5);
    }
};

TEST(CheckBoxValue, IsClampedWithoutClickWhileAUserClickTogglesOnceWithOneClick) {
    Box b;
    b.box.SetValue(5);
    EXPECT_EQ(b.box.Value(), 1);
    EXPECT_EQ(b.box.Picture(), kPicChecked);
    b.box.SetValue(-3);
    EXPECT_EQ(b.box.Value(), 0);
    EXPECT_EQ(b.box.Picture(), kPicUnchecked);
    EXPECT_TRUE(b.events.empty());
    b.box.UserClick();
    EXPECT_EQ(b.box.Value(), 1);
    b.box.UserClick();
    EXPECT_EQ(b.box.Value(), 0);
    EXPECT_EQ(b.events, (std::vector<std::string>{"Click", "Click"}));
}

TEST(CheckBoxClick, PressedPictureWhileHeldThenNormalAfterRelease) {
    Box b;
    b.box.HandleMouseDown(1, 0, 5, 5);
    EXPECT_EQ(b.box.Picture(), kPicUncheckedPressed);
    b.box.HandleMouseUp(1, 0, 5, 5);
    b.box.SetValue(1);
    b.pointer.MoveTo(5, 5);
    b.box.HandleMouseDown(1, 0, 5, 5);
    EXPECT_EQ(b.box.Picture(), kPicCheckedPressed);
    b.box.HandleMouseMove(1, 0, 6, 6);
    EXPECT_EQ(b.box.Picture(), kPicCheckedPressed);
    b.box.HandleMouseUp(1, 0, 6, 6);
    b.box.UserClick();
    EXPECT_EQ(b.box.Value(), 0);
    EXPECT_EQ(b.box.Picture(), kPicUnchecked);
}

TEST(CheckBoxInput, NeitherTheRightButtonNorTheSpaceBarToggles) {
    Box b;
    b.box.HandleMouseDown(2, 0, 5, 5);  // raises no MouseDown
    EXPECT_EQ(b.box.Picture(), kPicUnchecked);
    b.box.HandleMouseUp(2, 0, 5, 5);
    b.box.HandleKeyDown(32, 0);
    EXPECT_EQ(b.box.HandleKeyPress(32), 32);
    b.box.HandleKeyUp(32, 0);
    EXPECT_EQ(b.box.Value(), 0);
    EXPECT_EQ(b.events,
              (std::vector<std::string>{"MouseUp 2", "KeyDown 32", "KeyPress 32", "KeyUp 32"}));
}

TEST(CheckBoxHover, ShowsTheHoverFrameAndRaisesMouseOutOnceAfterLeaving) {
    Box b;
    b.MoveInside();
    EXPECT_EQ(b.box.Picture(), kPicUncheckedHover);
    EXPECT_TRUE(b.box.tmrHover.Enabled());
    EXPECT_EQ(b.box.tmrHover.Interval(), 25);
    b.box.tmrHover.RaiseTick();
    EXPECT_EQ(b.box.Picture(), kPicUncheckedHover);

    b.pointer.MoveTo(200, 5);
    b.box.tmrHover.RaiseTick();
    EXPECT_EQ(b.box.Picture(), kPicUnchecked);
    EXPECT_FALSE(b.box.tmrHover.Enabled());
    EXPECT_EQ(b.events, (std::vector<std::string>{"MouseMove", "MouseOut"}));

    b.box.SetValue(1);
    b.MoveInside();
    EXPECT_EQ(b.box.Picture(), kPicCheckedHover);
    b.box.UserClick();  // the normal picture until the next move
    EXPECT_EQ(b.box.Picture(), kPicUnchecked);
}

TEST(CheckBoxHover, TheWindowsTopAndLeftEdgesCountAsOutside) {
    Box b;
    for (Point edge : {Point{0, 5}, Point{5, 0}}) {
        b.pointer.MoveTo(edge.x, edge.y);
        b.box.HandleMouseMove(0, 0, 0, 0);
    }
    EXPECT_FALSE(b.box.tmrHover.Enabled());
    EXPECT_EQ(b.box.Picture(), kPicUnchecked);
    EXPECT_TRUE(b.events.empty());
}

TEST(CheckBoxEnabled, DisabledPicturesFollowTheValueAndTheCaptionGreys) {
    Box b;
    b.box.SetValue(1);
    b.box.SetEnabled(false);
    EXPECT_EQ(b.box.Picture(), kPicCheckedDisabled);
    EXPECT_TRUE(b.box.CaptionGreyed());
    b.box.SetValue(0);
    EXPECT_EQ(b.box.Picture(), kPicUncheckedDisabled);
    b.box.SetValue(1);
    b.box.SetEnabled(true);
    EXPECT_EQ(b.box.Picture(), kPicChecked);
    EXPECT_FALSE(b.box.CaptionGreyed());
    // A disabled box takes no press or hover look.
    b.box.SetValue(0);
    b.box.SetEnabled(false);
    b.box.HandleMouseDown(1, 0, 5, 5);
    b.MoveInside();
    EXPECT_EQ(b.box.Picture(), kPicUncheckedDisabled);
}

TEST(CheckBoxEnabled, ForeColorReachesTheCaptionOnlyWhileEnabled) {
    Box b;
    b.box.SetForeColor(Rgb(255, 0, 0));
    EXPECT_EQ(b.box.CaptionColour(), Rgb(255, 0, 0));
    b.box.SetEnabled(false);
    b.box.SetForeColor(Rgb(0, 255, 0));
    EXPECT_EQ(b.box.CaptionColour(), Rgb(255, 0, 0));
    EXPECT_EQ(b.box.ForeColor(), Rgb(0, 255, 0));
}

TEST(CheckBoxResize, EndsAtTheCaptionsRightEdgeAndKeepsItsHeight) {
    QelCheckBoxXP box("chk");
    box.SetCaption("");  // the box alone
    EXPECT_EQ(box.GetBounds().width, 195);
    EXPECT_EQ(box.GetBounds().height, 195);
    box.SetTextMeasure([](const std::string&, const Font&) { return TextExtent{100, 13}; });
    box.SetCaption("Enable sound effects.");
    box.SetBounds({210, 300, 2880, 600});
    EXPECT_EQ(box.GetBounds(), (Bounds{210, 300, (18 + 100) * 15, 195}));
}

// A caption measured at the window's DPI becomes twips at that DPI; one too long for the width
// the window gave the box ends at that width.
TEST(CheckBoxResize, MeasuresAtTheWindowsDpiAndKeepsToItsRoom) {
    struct Case {
        TextExtent caption;
        int room;
        int width;
    };
    for (const Case& c :
         {Case{{150, 20, 144}, 2880, 270 + 1500}, Case{{125, 17, 120}, 2880, 1770},
          Case{{300, 26, 192}, 2880, 270 + 2250}, Case{{300, 13, 96}, 2775, 2775}}) {
        QelCheckBoxXP box("chk");
        box.SetTextMeasure([&](const std::string&, const Font&) { return c.caption; });
        box.SetCaption("Perform system scan at startup.");
        box.SetBounds({210, 555, c.room, 195});
        EXPECT_EQ(box.GetBounds().width, c.width) << c.caption.dpi;
    }
}

TEST(CheckBoxPictures, BordersTicksAndFramesFollowTheTable) {
    const auto blue = Rgb(28, 81, 128);
    const auto grey = Rgb(202, 200, 187);
    EXPECT_EQ(CheckBoxPixel(CheckBoxPicture(0), 0, 0), blue);
    EXPECT_EQ(CheckBoxPixel(CheckBoxPicture(6), 12, 12), grey);
    EXPECT_EQ(CheckBoxPixel(CheckBoxPicture(6), 6, 6), Rgb(255, 255, 255));
    EXPECT_EQ(CheckBoxPixel(CheckBoxPicture(1), 1, 1), Rgb(255, 240, 207));
    EXPECT_EQ(CheckBoxPixel(CheckBoxPicture(2), 5, 8), Rgb(33, 161, 33));
    EXPECT_NE(CheckBoxPixel(CheckBoxPicture(0), 5, 8), Rgb(33, 161, 33));
    EXPECT_EQ(CheckBoxPixel(CheckBoxPicture(4), 1, 1), Rgb(176, 176, 167));
    EXPECT_NE(CheckBoxPixel(CheckBoxPicture(7), 5, 8), CheckBoxPixel(CheckBoxPicture(4), 5, 8));
}

}  // namespace
}  // namespace sentrel::test
