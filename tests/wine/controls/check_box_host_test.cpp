#include <gtest/gtest.h>

#include "base/text_win32.h"
#include "controls/check_box_pictures.h"
#include "controls/xp_hosts_win32.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

COLORREF PicturePixel(int picture, int x, int y) {
    return static_cast<COLORREF>(CheckBoxPixel(CheckBoxPicture(picture), x, y));
}

struct CheckBoxRig {
    TestWindow& window = TestWindow::Shared();
    QelCheckBoxXP box{"chkPlaySFX"};
    std::unique_ptr<ControlHost> host;
    int clicks = 0;
    int mouseOuts = 0;

    CheckBoxRig() {
        box.SetCaption("Enable sound effects.");
        box.SetBounds({300, 300, 2880, 195});
        box.Click = [this] { ++clicks; };
        box.MouseOut = [this] { ++mouseOuts; };
        host = CreateQelCheckBoxXPHost(box, window.Context());
        ObserveWith(box, *host);
        TestWindow::Pump(20);
    }
    HWND Hwnd() const { return host->Window(); }
    // The picture is drawn at the left, centred in the 13-pixel-high control.
    COLORREF Shown(int x, int y) const { return TestWindow::PrintedPixel(Hwnd(), x, y); }
};

TEST(CheckBoxHost, AnswersWmGetTextWithItsCaptionWhichItHugsOneBoxHigh) {
    CheckBoxRig rig;
    EXPECT_EQ(WindowText(rig.Hwnd()), "Enable sound effects.");
    RECT r{};
    GetClientRect(rig.Hwnd(), &r);
    EXPECT_EQ(r.bottom, 13);
    EXPECT_GT(r.right, 18 + 40);
    EXPECT_LT(r.right, 192);
    EXPECT_EQ(GetWindowLongPtrW(rig.Hwnd(), GWL_STYLE) & WS_TABSTOP, WS_TABSTOP);
    rig.box.SetCaption("Other");
    EXPECT_EQ(WindowText(rig.Hwnd()), "Other");
}

TEST(CheckBoxHost, RealMouseMovesItThroughHoverPressedAndClick) {
    CheckBoxRig rig;
    EXPECT_EQ(rig.Shown(6, 6), PicturePixel(kPicUnchecked, 6, 6));

    TestWindow::MoveMouseTo(rig.Hwnd(), 6, 6);
    EXPECT_EQ(rig.box.Picture(), kPicUncheckedHover);
    EXPECT_EQ(rig.Shown(1, 1), PicturePixel(kPicUncheckedHover, 1, 1));

    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONDOWN, 6, 6);
    EXPECT_EQ(rig.box.Picture(), kPicUncheckedPressed);
    EXPECT_EQ(rig.Shown(1, 1), PicturePixel(kPicUncheckedPressed, 1, 1));

    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(rig.box.Value(), 1);
    EXPECT_EQ(rig.clicks, 1);
    EXPECT_EQ(rig.box.Picture(), kPicChecked);
    EXPECT_EQ(rig.Shown(5, 8), PicturePixel(kPicChecked, 5, 8));

    // Leaving raises MouseOut once, by the hover timer.
    SetCursorPos(5, 5);
    TestWindow::Pump(150);
    EXPECT_EQ(rig.mouseOuts, 1);
    EXPECT_EQ(rig.Shown(1, 1), PicturePixel(kPicChecked, 1, 1));
}

TEST(CheckBoxHost, ClickingTheCaptionTogglesTooAndADoubleClickTogglesOnce) {
    CheckBoxRig rig;
    TestWindow::MoveMouseTo(rig.Hwnd(), 40, 6);
    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONDOWN, 40, 6);
    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONUP, 40, 6);
    EXPECT_EQ(rig.box.Value(), 1);
    EXPECT_EQ(rig.clicks, 1);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        TestWindow::PostButton(rig.Hwnd(), message, 6, 6);
    }
    EXPECT_EQ(rig.box.Value(), 0);
    EXPECT_EQ(rig.clicks, 2);
}

TEST(CheckBoxHost, TheSpaceBarDoesNotToggle) {
    CheckBoxRig rig;
    int keys = 0;
    rig.box.KeyPress = [&](int& key) { keys += key == ' ' ? 1 : 0; };
    SetFocus(rig.Hwnd());
    SendMessageW(rig.Hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(rig.Hwnd(), WM_CHAR, ' ', 0);
    SendMessageW(rig.Hwnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(rig.box.Value(), 0);
}

TEST(CheckBoxHost, DisabledShowsTheGreyPicture) {
    CheckBoxRig rig;
    rig.box.SetValue(1);
    rig.box.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(rig.Hwnd()));
    EXPECT_EQ(rig.Shown(0, 0), PicturePixel(kPicCheckedDisabled, 0, 0));
    EXPECT_EQ(rig.Shown(5, 8), PicturePixel(kPicCheckedDisabled, 5, 8));
    EXPECT_GT(TestWindow::CountPrintedPixels(rig.Hwnd(), GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(TestWindow::CountPrintedPixels(rig.Hwnd(), RGB(0, 0, 0)), 0);
    rig.box.SetEnabled(true);
    EXPECT_EQ(rig.Shown(5, 8), PicturePixel(kPicChecked, 5, 8));
    EXPECT_GT(TestWindow::CountPrintedPixels(rig.Hwnd(), RGB(0, 0, 0)), 0);
}

}  // namespace
}  // namespace sentrel::test
