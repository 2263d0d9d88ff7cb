#include <gtest/gtest.h>

#include "live_window.h"

namespace sentrel::test {
namespace {

// A left click as the mouse delivers it, at a client point of the control.
void ClickAt(HWND control, int x, int y) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The port and message boxes are the program's own text boxes around a real edit box.
HWND InnerEdit(HWND textBox) {
    return FindWindowExW(textBox, nullptr, L"Edit", nullptr);
}

TEST(SettingsPage, ClickingACheckBoxTogglesAndStoresIt) {
    LiveWindow live;
    live.w().tbrMain_ButtonClick(3);
    ClickAt(live.Of(live.w().chkAlwaysOnTop), 6, 6);
    EXPECT_EQ(live.w().chkAlwaysOnTop.Value(), 1);
    EXPECT_EQ(live.rig.Stored()["Always On Top"], "1");
}

TEST(SettingsPage, TypingInThePortBoxStoresEveryChange) {
    LiveWindow live;
    HWND port = InnerEdit(live.Of(live.w().txtSocketPort));
    ASSERT_NE(port, nullptr);
    SetWindowTextW(port, L"");
    for (wchar_t digit : std::wstring(L"8080")) {
        SendMessageW(port, WM_CHAR, digit, 0);
    }
    EXPECT_EQ(live.w().txtSocketPort.Text(), "8080");
    std::vector<std::string> stored;
    for (const auto& [key, value] : live.rig.settings.writes) {
        if (key == "Socket Port") {
            stored.push_back(value);
        }
    }
    const std::vector<std::string> expected{"10000", "", "8", "80", "808", "8080"};
    EXPECT_EQ(stored, expected);
}

TEST(SettingsPage, ThePortBoxTakesDigitsOnlyCentred) {
    LiveWindow live;
    HWND port = InnerEdit(live.Of(live.w().txtSocketPort));
    ASSERT_NE(port, nullptr);
    SendMessageW(port, WM_CHAR, L'x', 0);
    EXPECT_EQ(live.w().txtSocketPort.Text(), "10000");
    EXPECT_NE(GetWindowLongPtrW(port, GWL_STYLE) & ES_CENTER, 0);
}

TEST(SettingsPage, TextSetByTheProgramShowsWithoutBeingTypedAgain) {
    LiveWindow live;
    const std::size_t writes = live.rig.settings.writes.size();
    live.w().txtSocketPort.SetText("4444");  // raises Change once, as the model does
    EXPECT_EQ(TextOf(InnerEdit(live.Of(live.w().txtSocketPort))), "4444");
    EXPECT_EQ(live.rig.settings.writes.size(), writes + 1);
}

TEST(SettingsPage, TabMovesThroughTheControlsInLayoutOrder) {
    LiveWindow live;
    live.w().tbrMain_ButtonClick(3);
    HWND port = InnerEdit(live.Of(live.w().txtSocketPort));
    EXPECT_EQ(GetNextDlgTabItem(live.Main(), port, FALSE), live.Of(live.w().ResetToDefaultPort));
    EXPECT_EQ(GetNextDlgTabItem(live.Main(), live.Of(live.w().ResetToDefaultPort), FALSE),
              InnerEdit(live.Of(live.w().txtReturnMessage)));
}

TEST(SettingsPage, AButtonClickReachesItsModel) {
    LiveWindow live;
    int clicks = 0;
    live.w().cmdTestMsg.Click = [&] { ++clicks; };
    SendMessageW(live.Of(live.w().cmdTestMsg), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

// True when some pixel of the window's top strip has the colour.
bool TopStripHasColour(HWND window, COLORREF colour, int height) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    bool found = false;
    for (int y = 0; y < height && !found; ++y) {
        for (int x = 0; x < client.right && !found; ++x) {
            found = GetPixel(dc, x, y) == colour;
        }
    }
    ReleaseDC(window, dc);
    return found;
}

TEST(SettingsPage, FramesAreGroupBoxesWithTheirCaptionColour) {
    LiveWindow live;
    live.w().tbrMain_ButtonClick(3);
    HWND frame = live.Of(live.w().fraSocket);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Pump(50);
    EXPECT_TRUE(TopStripHasColour(frame, RGB(0, 69, 214), MulDiv(14, live.window->Dpi(), 96)));
    EXPECT_EQ(GetParent(frame), live.Of(live.w().fraContainer[kPageSettings]));
    EXPECT_EQ(GetParent(live.Of(live.w().txtSocketPort)), frame);
}

}  // namespace
}  // namespace sentrel::test
