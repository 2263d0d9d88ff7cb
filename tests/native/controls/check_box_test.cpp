#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "controls/check_box_pictures.h"
#include "controls/high_contrast.h"
#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

using Box = Journaled<QelCheckBoxXP>;

TEST(CheckBox, ALeftPressShowsThePressedPictureTheRightButtonNothingAndSpaceTogglesOnRelease) {
    Box b;
    b.control.SetValue(1);
    b.control.HandleMouseDown(2, 0, 5, 5);
    b.control.HandleMouseUp(2, 0, 5, 5);
    b.control.HandleKeyDown(32, 0);
    EXPECT_EQ(std::pair(b.control.Picture(), b.control.Value()),
              std::pair(int{kPicCheckedPressed}, 1));
    b.control.HandleKeyUp(32, 0);
    b.control.HandleKeyUp(32, 0);  // a release whose press the box never saw
    b.control.HandleMouseDown(1, 0, 5, 5);
    b.Move(6, 6, 1);
    EXPECT_EQ(std::pair(b.control.Picture(), b.control.Value()),
              std::pair(int{kPicUncheckedPressed}, 0));
    EXPECT_EQ(b.events, (Texts{"MouseUp 2", "Click", "MouseDown 1", "MouseMove 1"}));
}

TEST(CheckBox, HoverShowsTheFrameUntilTheTimerFindsTheMouseGoneAndEdgesAreOutside) {
    Box b;
    b.Move(0, 5);
    b.Move(5, 0);
    EXPECT_FALSE(b.control.tmrHover.Enabled());
    b.control.SetValue(1);
    b.Move(5, 5);
    EXPECT_EQ(b.control.Picture(), kPicCheckedHover);
    b.control.tmrHover.RaiseTick();
    b.pointer.MoveTo(64, 5);
    EXPECT_TRUE(b.control.tmrHover.Enabled());
    b.control.tmrHover.RaiseTick();
    EXPECT_EQ(std::tuple(b.control.Picture(), b.control.tmrHover.Enabled()),
              std::tuple(kPicChecked, false));
    b.Move(5, 5);
    b.control.UserClick();  // the normal picture until the next move
    EXPECT_EQ(b.control.Picture(), kPicUnchecked);
    EXPECT_EQ(b.events, (Texts{"MouseMove 0", "MouseOut", "MouseMove 0", "Click"}));
}

TEST(CheckBox, ADisabledBoxShowsItsValueGreyTakesNoPressOrHoverAndKeepsItsCaptionColour) {
    Box b;
    b.control.SetForeColor(Rgb(255, 0, 0));
    b.control.SetValue(1);
    b.control.SetEnabled(false);
    EXPECT_EQ(b.control.Picture(), kPicCheckedDisabled);
    b.control.SetValue(0);
    b.control.HandleMouseDown(1, 0, 5, 5);
    b.Move(5, 5);
    b.control.UserClick();
    b.control.SetForeColor(Rgb(0, 255, 0));
    EXPECT_EQ(std::pair(b.control.Picture(), b.control.CaptionColour()),
              std::pair(int{kPicUncheckedDisabled}, Rgb(255, 0, 0)));
    b.control.SetEnabled(true);
    EXPECT_EQ(b.control.Picture(), kPicUnchecked);
    EXPECT_EQ(b.events, (Texts{"MouseDown 1", "MouseMove 0"}));
}

// Under high contrast the four controls take the user's colours, a disabled caption grey and
// a hovered box or button the highlight; with it off each keeps its own colours.
TEST(HighContrast, TheControlsPaintInTheUsersColoursOnlyWhileItIsOn) {
    Box b;
    b.control.SetForeColor(Rgb(0, 0, 1));
    b.Move(5, 5);
    xpcmdbutton button{"cmdTest"};
    button.SetEnabled(false);
    QelTextBoxXP text{"txtTest"};
    HyperLink link{"lnkTest"};
    const auto sys = [](SystemColourIndex i) { return SystemColour(i); };
    const std::pair<XpColours, XpColours> cases[] = {
        {CheckBoxColours(b.control, false),
         {Rgb(0, 0, 1), kSystemButtonFace, Rgb(0, 0, 1), Rgb(0, 0, 1)}},
        {CheckBoxColours(b.control, true),
         {sys(kSysButtonText), sys(kSysButtonFace), sys(kSysHighlight), sys(kSysHighlight)}},
        {ButtonColours(button, true),
         {sys(kSysGrayText), sys(kSysButtonFace), sys(kSysGrayText), sys(kSysHighlight)}},
        {TextBoxColours(text, true),
         {sys(kSysWindowText), sys(kSysWindow), sys(kSysWindowFrame), sys(kSysHighlight)}},
        {TextBoxColours(text, false),
         {0, Rgb(255, 255, 255), kTextBoxBorderColour, kTextBoxBorderColour}}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_TRUE(cases[i].first == cases[i].second) << i;
    }
    EXPECT_EQ(std::pair(LinkColours(link, true).text, LinkColours(link, false).text),
              std::pair(sys(kSysHotLight), kLinkBlue));
}

// The box ends at its caption's right edge, measured at the window's DPI, within its room.
TEST(CheckBox, SizesItselfToItsCaption) {
    // {caption, its extent, room, width}
    const std::tuple<const char*, TextExtent, int, int> cases[] = {
        {"", {100, 13, 96}, 2880, 195},
        {"a", {150, 20, 144}, 2880, 1770},
        {"a", {300, 13, 96}, 2775, 2775}};
    for (const auto& [caption, extent, room, width] : cases) {
        QelCheckBoxXP box("chk");
        box.SetTextMeasure([&](const std::string&, const Font&) { return extent; });
        box.SetCaption(caption);
        box.SetBounds({210, 555, room, 600});
        EXPECT_EQ(box.GetBounds(), (Bounds{210, 555, width, 195})) << extent.dpi;
    }
    QelCheckBoxXP box("chk");
    box.SetTextMeasure([](const std::string&, const Font& font) {
        return TextExtent{static_cast<int>(font.points) * 10, 13};
    });
    box.SetCaption("a");
    box.SetFont(Font{"Tahoma", 20, false, false});
    EXPECT_EQ(box.GetBounds().width, 270 + 200 * 15);
}

// Pictures 2 to 5 are 0, 1, 7 and 6 with a tick; the border is blue but grey when disabled.
TEST(CheckBoxPictures, TicksBordersAndGradientsFollowTheLooks) {
    for (const auto& [withTick, plain] : {std::pair{2, 0}, {3, 1}, {4, 7}, {5, 6}}) {
        const CheckBoxPixels a = CheckBoxPicture(withTick);
        const CheckBoxPixels b = CheckBoxPicture(plain);
        EXPECT_EQ(std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(),
                                     std::not_equal_to<>()),
                  21)
            << withTick;
        const Colour border = withTick == 5 ? Rgb(202, 200, 187) : Rgb(28, 81, 128);
        for (const auto& [x, y] : {std::pair{6, 0}, {0, 6}, {6, 12}, {12, 6}}) {
            EXPECT_EQ(CheckBoxPixel(a, x, y), border) << withTick;
        }
    }
}

}  // namespace
}  // namespace sentrel::test
