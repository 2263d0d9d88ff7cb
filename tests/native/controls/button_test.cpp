#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/button_face.h"
#include "controls/xpcmdbutton.h"
#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

// A 64 x 22 button whose events are written into one journal.
struct Button {
    xpcmdbutton button{"cmdTest"};
    FakePointer pointer;
    std::vector<std::string> events;

    Button() {
        button.SetCaption("Test");
        button.SetPointerSource(&pointer);
        button.Click = [this] { events.push_back("Click"); };
        button.MouseOut = [this] { events.push_back("MouseOut"); };
        button.MouseDown = [this](int& b, int&, float&, float&) {
            events.push_back("MouseDown " + std::to_string(b));
        };
        button.MouseUp = [this](int& b, int&, float&, float&) {
            events.push_back("MouseUp " + std::to_string(b));
        };
    }
    void Move(int x, int y, int button_ = 0) {
        pointer.MoveTo(x, y);
        button.HandleMouseMove(button_, 0, static_cast<float>(x), static_cast<float>(y));
    }
    void Down(int b = 1) { button.HandleMouseDown(b, 0, 10, 10); }
    void Up(int x, int y, int b = 1) {
        pointer.MoveTo(x, y);
        button.HandleMouseUp(b, 0, static_cast<float>(x), static_cast<float>(y));
    }
};

TEST(ButtonFaces, HoverThenLeavingShowsTheIdleFaceAndRaisesMouseOutOnce) {
    Button b;
    b.Move(10, 10);
    EXPECT_EQ(b.button.Face(), kFaceHover);
    EXPECT_TRUE(b.button.Timer1.Enabled());
    EXPECT_EQ(b.button.Timer1.Interval(), 10);
    b.button.Timer1.RaiseTick();
    EXPECT_EQ(b.button.Face(), kFaceHover);
    b.pointer.MoveTo(-1, 10);
    b.button.Timer1.RaiseTick();
    EXPECT_EQ(b.button.Face(), kFaceNormal);
    EXPECT_FALSE(b.button.Timer1.Enabled());
    EXPECT_EQ(b.events, (std::vector<std::string>{"MouseOut"}));
}

TEST(ButtonFaces, StateChoosesTheIdleFaceAndDisabledShowsFace2WithAGreyCaption) {
    Button b;
    b.button.SetState(7);  // any other State keeps the idle face
    EXPECT_EQ(b.button.IdleFace(), kFaceNormal);
    b.button.SetState(1);
    EXPECT_EQ(b.button.IdleFace(), kFaceHighlighted);
    EXPECT_EQ(b.button.Face(), kFaceHighlighted);
    b.button.SetEnabled(false);
    EXPECT_EQ(b.button.Face(), kFaceDisabled);
    EXPECT_EQ(b.button.CaptionColour(), Rgb(161, 161, 146));
    b.button.SetEnabled(true);
    EXPECT_EQ(b.button.Face(), kFaceHighlighted);
    EXPECT_EQ(b.button.CaptionColour(), Rgb(0, 0, 0));
    b.button.SetState(0);
    EXPECT_EQ(b.button.Face(), kFaceNormal);
}

TEST(ButtonClick, PressAndReleaseInsideRaisesDownUpThenClick) {
    Button b;
    b.Down();
    EXPECT_EQ(b.button.Face(), kFacePressed);
    b.Move(12, 12, 1);
    EXPECT_EQ(b.button.Face(), kFacePressed);
    b.Up(12, 12);
    EXPECT_EQ(b.button.Face(), kFaceNormal);
    EXPECT_EQ(b.events, (std::vector<std::string>{"MouseDown 1", "MouseUp 1", "Click"}));
}

TEST(ButtonClick, OnlyALeftReleaseInsideClicksAndTheFarEdgeIsInside) {
    // {button, release x, release y, events}
    const std::tuple<int, int, int, std::vector<std::string>> cases[] = {
        {1, 80, 12, {"MouseDown 1", "MouseUp 1"}},
        {1, 64, 22, {"MouseDown 1", "MouseUp 1", "Click"}},
        {2, 10, 10, {"MouseDown 2", "MouseUp 2"}}};
    for (const auto& [button, x, y, events] : cases) {
        Button b;
        b.Down(button);
        EXPECT_EQ(b.button.Face(), button == 1 ? kFacePressed : kFaceNormal);
        b.Up(x, y, button);
        EXPECT_EQ(b.events, events) << button << " " << x;
    }
}

TEST(ButtonKeys, OnlyTheAccessKeyAfterASingleAmpersandClicks) {
    Button b;
    b.button.HandleKeyDown(32, 0);
    b.button.HandleKeyPress(32);
    b.button.HandleKeyPress(13);
    EXPECT_TRUE(b.events.empty());
    b.button.HandleAccessKey();
    EXPECT_EQ(b.events, (std::vector<std::string>{"Click"}));
    for (const auto& [caption, key] :
         {std::pair{"&Rescan", 'R'}, std::pair{"Fish && &Chips", 'C'}, std::pair{"Test", '\0'}}) {
        b.button.SetCaption(caption);
        EXPECT_EQ(b.button.AccessKey(), key) << caption;
    }
}

TEST(ButtonFaceGeometry, NineSlicePiecesOfA123By23Button) {
    const auto pieces = NineSlicePieces(123, 23);
    EXPECT_EQ(pieces[0].destination, (PixelBox{0, 0, 3, 3}));
    EXPECT_EQ(pieces[1].destination, (PixelBox{120, 0, 3, 3}));
    EXPECT_EQ(pieces[1].source, (PixelBox{15, 0, 3, 3}));
    EXPECT_EQ(pieces[2].destination, (PixelBox{120, 20, 3, 3}));
    EXPECT_EQ(pieces[2].source, (PixelBox{15, 18, 3, 3}));
    EXPECT_EQ(pieces[3].destination, (PixelBox{0, 20, 3, 3}));
    EXPECT_EQ(pieces[4].destination, (PixelBox{3, 0, 117, 3}));
    EXPECT_EQ(pieces[5].destination, (PixelBox{120, 3, 3, 17}));
    EXPECT_EQ(pieces[6].destination, (PixelBox{0, 3, 3, 17}));
    EXPECT_EQ(pieces[7].destination, (PixelBox{3, 20, 117, 3}));
    EXPECT_EQ(pieces[8].destination, (PixelBox{3, 3, 117, 17}));
    EXPECT_EQ(pieces[8].source, (PixelBox{3, 3, 12, 15}));
}

TEST(ButtonFaceGeometry, CaptionIsCentredOnePixelRightAndAPictureSitsLeftOfIt) {
    // "Test" 22 pixels wide on a 64 x 22 button: the exact centre would put it at 21.
    EXPECT_EQ(ButtonCaptionPosition(64, 22, {22, 13}), (Point{22, 4}));
    const Point caption = ButtonCaptionPosition(64, 22, {22, 13}, 16);
    EXPECT_EQ(caption, (Point{32, 4}));
    EXPECT_EQ(ButtonPicturePosition(caption, 16), (Point{13, 2}));
    EXPECT_EQ(ButtonCaptionPosition(64, 22, {0, 13}, 16, true), (Point{46, 4}));
}

TEST(ButtonFaceStrip, CellsCarryTheThemeColours) {
    const auto strip = RenderFaceStrip();
    ASSERT_EQ(strip.size(), 90U * 21U);
    EXPECT_EQ(FaceStripPixel(strip, kFaceNormal, 8, 0), Rgb(0, 60, 116));
    EXPECT_EQ(FaceStripPixel(strip, kFaceNormal, 8, 1), Rgb(255, 255, 255));
    EXPECT_EQ(FaceStripPixel(strip, kFaceNormal, 0, 0), Rgb(221, 215, 197));
    EXPECT_EQ(FaceStripPixel(strip, kFacePressed, 8, 1), Rgb(209, 204, 193));
    EXPECT_EQ(FaceStripPixel(strip, kFaceDisabled, 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(FaceStripPixel(strip, kFaceDisabled, 8, 10), Rgb(245, 244, 234));
    EXPECT_EQ(FaceStripPixel(strip, kFaceHover, 8, 1), Rgb(255, 240, 207));
    EXPECT_EQ(FaceStripPixel(strip, kFaceHover, 8, 19), Rgb(229, 151, 0));
    EXPECT_EQ(FaceStripPixel(strip, kFaceHighlighted, 8, 1), Rgb(206, 231, 255));
    EXPECT_EQ(FaceStripPixel(strip, kFaceHighlighted, 1, 1), Rgb(39, 77, 133));
}

TEST(ButtonProperties, MousePointerIsSavedButReportsNoChange) {
    xpcmdbutton button("cmd");
    int changes = 0;
    button.SetObserver([&] { ++changes; });
    button.SetMousePointer(99);
    EXPECT_EQ(changes, 0);
    PropertyBag bag;
    button.WriteProperties(bag, {"cmd", Font{}, {}});
    EXPECT_EQ(bag.Find("MousePointer"), "99");
}

TEST(ButtonProperties, WritesInOrderWithoutDefaults) {
    xpcmdbutton button("cmdCleanSystem");
    const AmbientProperties ambient{"cmdCleanSystem", Font{}, {}};
    button.InitProperties(ambient);
    button.SetCaption("Clean System!");
    button.SetEnabled(false);
    PropertyBag bag;
    button.WriteProperties(bag, ambient);
    const std::vector<PropertyBag::Entry> expected{{"Enabled", "False"},
                                                   {"Caption", "Clean System!"},
                                                   {"Font", "Tahoma, 8.25"},
                                                   {"PictureNormal", ""}};
    EXPECT_EQ(bag.Entries(), expected);
}

TEST(ButtonProperties, ANewInstanceIsCaptionedWithItsNameAndReadingAppliesEnabledAndState) {
    xpcmdbutton fresh("cmdNew");
    fresh.InitProperties({"cmdNew", Font{"Arial", 10, false, false}, {}});
    EXPECT_EQ(fresh.Caption(), "cmdNew");
    EXPECT_EQ(fresh.GetFont().name, "Arial");
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.State(), 0);

    PropertyBag bag;
    bag.Put("State", "1");
    bag.Put("Enabled", "False");
    xpcmdbutton button("cmd");
    button.ReadProperties(bag, {"cmd", Font{}, {}});
    EXPECT_EQ(button.Caption(), "cmd");
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.Face(), kFaceDisabled);
    button.SetEnabled(true);
    EXPECT_EQ(button.Face(), kFaceHighlighted);
}

}  // namespace
}  // namespace sentrel::test
