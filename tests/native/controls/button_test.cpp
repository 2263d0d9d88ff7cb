#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
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
        Journal(button, events);
    }
    void Move(int x, int y, int b = 0) {
        pointer.MoveTo(x, y);
        button.HandleMouseMove(b, 0, static_cast<float>(x), static_cast<float>(y));
    }
};

TEST(Button, HoverShowsTheHoverFaceUntilTheTimerFindsTheMouseGone) {
    Button b;
    b.Move(10, 10);
    EXPECT_EQ(b.button.Face(), kFaceHover);
    EXPECT_EQ(b.button.Timer1.Interval(), 10);
    b.button.Timer1.RaiseTick();
    EXPECT_TRUE(b.button.Timer1.Enabled());
    b.Move(70, 10);  // outside: no hover face
    b.button.Timer1.RaiseTick();
    EXPECT_EQ(b.button.Face(), kFaceNormal);
    EXPECT_FALSE(b.button.Timer1.Enabled());
    EXPECT_EQ(b.events, (std::vector<std::string>{"MouseMove 0", "MouseOut"}));
}

TEST(Button, StateChoosesTheIdleFaceAndDisabledShowsTheGreyFace) {
    Button b;
    b.button.SetState(1);
    EXPECT_EQ(b.button.Face(), kFaceHighlighted);
    b.button.SetState(7);  // any other State keeps the idle face
    b.button.SetEnabled(false);
    EXPECT_EQ(b.button.Face(), kFaceDisabled);
    EXPECT_EQ(b.button.CaptionColour(), kButtonDisabledCaptionColour);
    b.button.SetEnabled(true);
    EXPECT_EQ(b.button.Face(), kFaceHighlighted);
    b.button.SetState(0);
    EXPECT_EQ(b.button.Face(), kFaceNormal);
}

TEST(Button, OnlyALeftReleaseOnTheButtonEdgesIncludedClicks) {
    // {button, release x, release y, events}
    const std::tuple<int, int, int, std::vector<std::string>> cases[] = {
        {1, 64, 22, {"MouseDown 1", "MouseMove 1", "MouseUp 1", "Click"}},
        {1, 65, 12, {"MouseDown 1", "MouseMove 1", "MouseUp 1"}},
        {1, 10, -1, {"MouseDown 1", "MouseMove 1", "MouseUp 1"}},
        {2, 10, 10, {"MouseDown 2", "MouseMove 2", "MouseUp 2"}}};
    for (const auto& [button, x, y, events] : cases) {
        Button b;
        b.button.HandleMouseDown(button, 0, 10, 10);
        b.Move(12, 12, button);
        EXPECT_EQ(b.button.Face(), button == 1 ? kFacePressed : kFaceHover);
        b.pointer.MoveTo(x, y);
        b.button.HandleMouseUp(button, 0, 0, 0);
        EXPECT_EQ(b.button.Face(), kFaceNormal);
        EXPECT_EQ(b.events, events) << button << " " << x;
    }
}

TEST(Button, TheAccessKeyFollowsASingleAmpersandAndClicksOnlyWhileEnabled) {
    Button b;
    EXPECT_EQ(b.button.HandleKeyPress(13), 13);
    b.button.HandleAccessKey();
    b.button.SetEnabled(false);
    b.button.HandleAccessKey();
    b.button.UserClick();
    EXPECT_EQ(b.events, (std::vector<std::string>{"KeyPress 13", "Click"}));
    for (const auto& [caption, key] :
         {std::pair{"&Rescan", 'R'}, std::pair{"Fish && &Chips", 'C'}, std::pair{"Test&", '\0'}}) {
        b.button.SetCaption(caption);
        EXPECT_EQ(b.button.AccessKey(), key) << caption;
    }
}

// At the cell's own size every piece is copied in place; at any size the pieces tile the button.
TEST(ButtonFace, NineSlicePiecesTileTheButtonWithTheCellsBorder) {
    for (const SlicePiece& piece : NineSlicePieces(kFaceCellWidth, kFaceCellHeight)) {
        EXPECT_EQ(piece.destination, piece.source);
    }
    std::vector<int> covered(123 * 23);
    for (const SlicePiece& piece : NineSlicePieces(123, 23)) {
        const PixelBox& d = piece.destination;
        for (int y = d.top; y < d.top + d.height; ++y) {
            for (int x = d.left; x < d.left + d.width; ++x) {
                ++covered.at(static_cast<std::size_t>(y * 123 + x));
            }
        }
    }
    EXPECT_EQ(covered, std::vector<int>(123 * 23, 1));
}

TEST(ButtonFace, CaptionIsCentredOnePixelRightAndAPictureSitsLeftOfIt) {
    EXPECT_EQ(ButtonCaptionPosition(64, 22, {22, 13}), (Point{22, 4}));
    const Point caption = ButtonCaptionPosition(64, 22, {22, 13}, 16);
    EXPECT_EQ(caption, (Point{32, 4}));
    EXPECT_EQ(ButtonPicturePosition(caption, 16), (Point{13, 2}));
    EXPECT_EQ(ButtonCaptionPosition(64, 22, {0, 13}, 16, true), (Point{46, 4}));
}

// The program's bitmap is made from the same theme colours, in 256 colours, by the asset script.
TEST(ButtonFace, TheRenderedStripIsTheShippedBitmapToWithinItsPalette) {
    std::ifstream file(std::string(SENTREL_SOURCE_DIR) + "/res/xpbutton.bmp", std::ios::binary);
    const std::vector<unsigned char> bmp{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(bmp.size(), 1078U + 92U * kFaceCellHeight);  // palette, then padded rows upwards
    const std::vector<Colour> strip = RenderFaceStrip();
    int worst = 0;
    for (int y = 0; y < kFaceCellHeight; ++y) {
        for (int x = 0; x < kFaceStripWidth; ++x) {
            const std::size_t p = 54 + 4 * bmp[1078 + 92 * (kFaceCellHeight - 1 - y) + x];
            const Colour c = strip[y * kFaceStripWidth + x];
            worst = std::max({worst, std::abs(RedOf(c) - bmp[p + 2]),
                              std::abs(GreenOf(c) - bmp[p + 1]), std::abs(BlueOf(c) - bmp[p])});
        }
    }
    EXPECT_LE(worst, 12);
}

TEST(ButtonProperties, ANewButtonIsAnEnabledNormalButtonCaptionedWithItsName) {
    xpcmdbutton button("cmdNew");
    button.SetState(1);
    button.SetEnabled(false);
    button.InitProperties({"cmdNew", Font{"Arial", 10, false, false}, {}});
    EXPECT_EQ(button.Caption(), "cmdNew");
    EXPECT_EQ(button.GetFont().name, "Arial");
    EXPECT_EQ(button.Face(), kFaceNormal);
}

}  // namespace
}  // namespace sentrel::test
