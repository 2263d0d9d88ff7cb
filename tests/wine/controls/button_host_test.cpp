#include <gtest/gtest.h>

#include "base/text_win32.h"
#include "controls/xp_hosts_win32.h"
#include "controls/xpcmdbutton_host_win32.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

struct ButtonRig {
    TestWindow& window = TestWindow::Shared();
    xpcmdbutton button{"cmdScan"};
    std::unique_ptr<ControlHost> host;
    std::vector<Colour> strip = FaceStrip(GetModuleHandleW(nullptr)).Pixels();
    int clicks = 0;
    int mouseOuts = 0;

    ButtonRig() {
        button.SetCaption("Rescan System");
        button.SetBounds({300, 300, 1845, 345});  // 123 x 23 pixels
        button.Click = [this] { ++clicks; };
        button.MouseOut = [this] { ++mouseOuts; };
        host = CreateXpCmdButtonHost(button, window.Context());
        ObserveWith(button, *host);
        TestWindow::Pump(20);
    }
    HWND Hwnd() const { return host->Window(); }
    // The painted pixel in the top edge's second row matches the cell's row 1 somewhere near
    // the stretched source column.
    bool ShowsFace(int face) const {
        const COLORREF painted = TestWindow::PrintedPixel(Hwnd(), 61, 1);
        for (int x = 3; x <= 14; ++x) {
            if (static_cast<COLORREF>(FaceStripPixel(strip, face, x, 1)) == painted) {
                return true;
            }
        }
        return false;
    }
};

TEST(ButtonHost, PaintsTheFaceTheModelNamesThroughHoverPressAndClick) {
    ButtonRig rig;
    // The strip read from the program's bitmap resource carries the theme's fixed colours.
    ASSERT_EQ(rig.strip.size(), 90U * 21U);
    const std::tuple<int, int, int, Colour> stripPixels[] = {
        {kFaceNormal, 8, 0, Rgb(0, 60, 116)},      {kFacePressed, 8, 0, Rgb(0, 60, 116)},
        {kFaceDisabled, 8, 0, Rgb(201, 199, 186)}, {kFaceDisabled, 8, 10, Rgb(245, 244, 234)},
        {kFaceHover, 8, 1, Rgb(255, 240, 207)},    {kFaceHighlighted, 8, 1, Rgb(206, 231, 255)}};
    for (const auto& [face, x, y, colour] : stripPixels) {
        EXPECT_EQ(FaceStripPixel(rig.strip, face, x, y), colour) << face << " " << x << "," << y;
    }
    EXPECT_TRUE(rig.ShowsFace(kFaceNormal));

    TestWindow::MoveMouseTo(rig.Hwnd(), 60, 11);
    EXPECT_EQ(rig.button.Face(), kFaceHover);
    EXPECT_TRUE(rig.ShowsFace(kFaceHover));

    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONDOWN, 60, 11);
    EXPECT_EQ(rig.button.Face(), kFacePressed);
    EXPECT_TRUE(rig.ShowsFace(kFacePressed));

    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONUP, 60, 11);
    EXPECT_EQ(rig.clicks, 1);
    EXPECT_EQ(rig.button.Face(), kFaceNormal);

    // Releasing outside does not click.
    TestWindow::MoveMouseTo(rig.Hwnd(), 60, 11);
    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONDOWN, 60, 11);
    SetCursorPos(5, 5);
    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONUP, -200, -200);
    EXPECT_EQ(rig.clicks, 1);
}

TEST(ButtonHost, LeavingRestoresTheIdleFaceAndRaisesMouseOutOnce) {
    ButtonRig rig;
    rig.button.SetState(1);
    TestWindow::MoveMouseTo(rig.Hwnd(), 60, 11);
    SetCursorPos(5, 5);
    TestWindow::Pump(150);
    EXPECT_EQ(rig.mouseOuts, 1);
    EXPECT_EQ(rig.button.Face(), kFaceHighlighted);
    EXPECT_TRUE(rig.ShowsFace(kFaceHighlighted));
}

TEST(ButtonHost, DisabledShowsFace2WithAGreyCaption) {
    ButtonRig rig;
    rig.button.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(rig.Hwnd()));
    EXPECT_TRUE(rig.ShowsFace(kFaceDisabled));
    EXPECT_GT(TestWindow::CountPrintedPixels(rig.Hwnd(), RGB(161, 161, 146)), 0);
    EXPECT_EQ(TestWindow::CountPrintedPixels(rig.Hwnd(), RGB(0, 0, 0)), 0);
}

TEST(ButtonHost, AnswersWmGetTextAndOnlyTheAccessKeyMessageClicks) {
    ButtonRig rig;
    EXPECT_EQ(WindowText(rig.Hwnd()), "Rescan System");
    RECT r{};
    GetClientRect(rig.Hwnd(), &r);
    EXPECT_EQ(r.right, 123);
    EXPECT_EQ(r.bottom, 23);
    SendMessageW(rig.Hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(rig.Hwnd(), WM_CHAR, ' ', 0);
    EXPECT_EQ(rig.clicks, 0);
    SendMessageW(rig.Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(rig.clicks, 1);
}

}  // namespace
}  // namespace sentrel::test
