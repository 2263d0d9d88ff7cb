#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "controls/button_face.h"
#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

using Button = Journaled<xpcmdbutton>;  // 64 x 22

TEST(Button, HoverShowsTheHoverFaceUntilTheTimerFindsTheMouseGone) {
    Button b;
    b.Move(64, 22);  // the edges are on the button
    EXPECT_EQ(b.control.Face(), kFaceHover);
    b.control.Timer1.RaiseTick();
    b.Move(70, 10);
    EXPECT_EQ(b.control.Face(), kFaceHover);
    b.control.Timer1.RaiseTick();
    EXPECT_EQ(std::tuple(b.control.Face(), b.control.Timer1.Enabled()),
              std::tuple(kFaceNormal, false));
    EXPECT_EQ(b.events, (Texts{"MouseMove 0", "MouseOut"}));
}

TEST(Button, StateChoosesTheIdleFaceAndADisabledButtonIsGrey) {
    Button b;
    b.control.SetState(1);
    b.control.SetState(7);  // any other State keeps the idle face
    b.Move(5, 5);
    b.control.SetFont(Font{});  // a new font shows the idle face again
    EXPECT_EQ(b.control.Face(), kFaceHighlighted);
    b.control.SetEnabled(false);
    EXPECT_EQ(std::pair(b.control.Face(), b.control.CaptionColour()),
              std::pair(int{kFaceDisabled}, kButtonDisabledCaptionColour));
    b.control.SetState(0);
    b.control.SetEnabled(true);
    EXPECT_EQ(b.control.Face(), kFaceNormal);
}

TEST(Button, OnlyALeftReleaseOnTheButtonEdgesIncludedClicks) {
    // {button, release x, release y, the release's events}
    const std::tuple<int, int, int, Texts> cases[] = {{1, 64, 22, {"MouseUp 1", "Click"}},
                                                      {1, 65, 12, {"MouseUp 1"}},
                                                      {1, 10, -1, {"MouseUp 1"}},
                                                      {2, 10, 10, {"MouseUp 2"}}};
    for (const auto& [button, x, y, events] : cases) {
        Button b;
        b.control.HandleMouseDown(button, 0, 10, 10);
        b.Move(12, 12, button);
        EXPECT_EQ(b.control.Face(), button == 1 ? kFacePressed : kFaceHover);
        b.events.clear();
        b.pointer.MoveTo(x, y);
        b.control.HandleMouseUp(button, 0, 0, 0);
        EXPECT_EQ(b.control.Face(), kFaceNormal);
        EXPECT_EQ(b.events, events) << button << " " << x;
    }
}

// A release whose press went elsewhere (a double click in a dialog over the button) or was
// cut short by another window taking the mouse is no click; the keys click as a standard
// button's do: Space when let go, Enter once per press.
TEST(Button, OnlyAPressBegunOnItClicksAndSoDoSpaceAndEnter) {
    Button b;
    b.pointer.MoveTo(10, 10);
    b.control.HandleMouseUp(1, 0, 10, 10);
    b.control.HandleMouseDown(1, 0, 10, 10);
    b.control.HandleCaptureLost();
    b.control.HandleMouseUp(1, 0, 10, 10);
    b.control.HandleKeyDown(32, 0);
    EXPECT_EQ(b.control.Face(), kFacePressed);
    b.control.HandleKeyUp(32, 0);
    b.control.HandleKeyDown(13, 0);
    b.control.HandleKeyDown(13, 0, true);
    b.control.HandleKeyDown(13, 0);
    EXPECT_EQ(b.events,
              (Texts{"MouseUp 1", "MouseDown 1", "MouseUp 1", "Click", "Click", "Click"}));
}

TEST(Button, TheAccessKeyFollowsASingleAmpersandAndClicksOnlyWhileEnabled) {
    Button b;
    b.control.HandleAccessKey();
    b.control.SetEnabled(false);
    b.control.HandleAccessKey();
    b.control.UserClick();
    EXPECT_EQ(b.events, (Texts{"Click"}));
    for (const auto& [caption, key] :
         {std::pair{"&Rescan", 'R'}, std::pair{"Fish && &Chips", 'C'}, std::pair{"Test&", '\0'}}) {
        b.control.SetCaption(caption);
        EXPECT_EQ(b.control.AccessKey(), key) << caption;
    }
}

TEST(ButtonFace, AtTheCellsOwnSizeEveryNineSlicePieceIsCopiedInPlace) {
    for (const SlicePiece& piece : NineSlicePieces(kFaceCellWidth, kFaceCellHeight)) {
        EXPECT_EQ(piece.destination, piece.source);
    }
}

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

}  // namespace
}  // namespace sentrel::test
