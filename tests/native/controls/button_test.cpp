#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "controls/button_face.h"
#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

// A 64 x 22 button whose events are written into one journal.
struct Button {
    xpcmdbutton button{"cmdTest"};
    FakePointer pointer;
    Texts events;

    Button() {
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
    b.Move(64, 22);  // the edges are on the button
    EXPECT_EQ(b.button.Face(), kFaceHover);
    b.button.Timer1.RaiseTick();
    b.Move(70, 10);
    EXPECT_EQ(b.button.Face(), kFaceHover);
    b.button.Timer1.RaiseTick();
    EXPECT_EQ(std::tuple(b.button.Face(), b.button.Timer1.Enabled()),
              std::tuple(kFaceNormal, false));
    EXPECT_EQ(b.events, (Texts{"MouseMove 0", "MouseOut"}));
}

TEST(Button, StateChoosesTheIdleFaceAndADisabledButtonIsGrey) {
    Button b;
    b.button.SetState(1);
    b.button.SetState(7);  // any other State keeps the idle face
    b.Move(5, 5);
    b.button.SetFont(Font{});  // a new font shows the idle face again
    EXPECT_EQ(b.button.Face(), kFaceHighlighted);
    b.button.SetEnabled(false);
    EXPECT_EQ(std::pair(b.button.Face(), b.button.CaptionColour()),
              std::pair(int{kFaceDisabled}, kButtonDisabledCaptionColour));
    b.button.SetState(0);
    b.button.SetEnabled(true);
    EXPECT_EQ(b.button.Face(), kFaceNormal);
}

TEST(Button, OnlyALeftReleaseOnTheButtonEdgesIncludedClicks) {
    // {button, release x, release y, the release's events}
    const std::tuple<int, int, int, Texts> cases[] = {{1, 64, 22, {"MouseUp 1", "Click"}},
                                                      {1, 65, 12, {"MouseUp 1"}},
                                                      {1, 10, -1, {"MouseUp 1"}},
                                                      {2, 10, 10, {"MouseUp 2"}}};
    for (const auto& [button, x, y, events] : cases) {
        Button b;
        b.button.HandleMouseDown(button, 0, 10, 10);
        b.Move(12, 12, button);
        EXPECT_EQ(b.button.Face(), button == 1 ? kFacePressed : kFaceHover);
        b.events.clear();
        b.pointer.MoveTo(x, y);
        b.button.HandleMouseUp(button, 0, 0, 0);
        EXPECT_EQ(b.button.Face(), kFaceNormal);
        EXPECT_EQ(b.events, events) << button << " " << x;
    }
}

// A release whose press went elsewhere (a double click in a dialog over the button) or was
// cut short by another window taking the mouse is no click; the keys click as a standard
// button's do: Space when let go, Enter once per press.
TEST(Button, OnlyAPressBegunOnItClicksAndSoDoSpaceAndEnter) {
    Button b;
    b.pointer.MoveTo(10, 10);
    b.button.HandleMouseUp(1, 0, 10, 10);
    b.button.HandleMouseDown(1, 0, 10, 10);
    b.button.HandleCaptureLost();
    b.button.HandleMouseUp(1, 0, 10, 10);
    b.button.HandleKeyDown(32, 0);
    EXPECT_EQ(b.button.Face(), kFacePressed);
    b.button.HandleKeyUp(32, 0);
    b.button.HandleKeyDown(13, 0);
    b.button.HandleKeyDown(13, 0, true);
    b.button.HandleKeyDown(13, 0);
    EXPECT_EQ(b.events,
              (Texts{"MouseUp 1", "MouseDown 1", "MouseUp 1", "Click", "Click", "Click"}));
}

TEST(Button, TheAccessKeyFollowsASingleAmpersandAndClicksOnlyWhileEnabled) {
    Button b;
    b.button.HandleAccessKey();
    b.button.SetEnabled(false);
    b.button.HandleAccessKey();
    b.button.UserClick();
    EXPECT_EQ(b.events, (Texts{"Click"}));
    for (const auto& [caption, key] :
         {std::pair{"&Rescan", 'R'}, std::pair{"Fish && &Chips", 'C'}, std::pair{"Test&", '\0'}}) {
        b.button.SetCaption(caption);
        EXPECT_EQ(b.button.AccessKey(), key) << caption;
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
