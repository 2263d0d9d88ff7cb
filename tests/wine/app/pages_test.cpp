#include <gtest/gtest.h>

#include "live_window.h"

namespace sentrel::test {
namespace {

HWND Toolbar(LiveWindow& live) {
    return live.Of(live.w().tbrMain);
}

// The index of the one page whose window shows, or -1 when not exactly one does.
int VisiblePage(LiveWindow& live) {
    int shown = -1;
    for (std::size_t i = 0; i < live.w().fraContainer.Count(); ++i) {
        if (IsWindowVisible(live.Of(live.w().fraContainer[i])) != FALSE) {
            if (shown != -1) {
                return -1;
            }
            shown = static_cast<int>(i);
        }
    }
    return shown;
}

std::vector<int> CheckedButtons(LiveWindow& live) {
    std::vector<int> checked;
    for (int id = 1; id <= 4; ++id) {
        if (SendMessageW(Toolbar(live), TB_ISBUTTONCHECKED, id, 0) != 0) {
            checked.push_back(id);
        }
    }
    return checked;
}

void ClickButtonWithTheMouse(LiveWindow& live, int id) {
    HWND bar = Toolbar(live);
    const auto index = static_cast<WPARAM>(SendMessageW(bar, TB_COMMANDTOINDEX, id, 0));
    RECT r{};
    SendMessageW(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(bar, WM_MOUSEMOVE, 0, at);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar, WM_LBUTTONUP, 0, at);
    Pump();
}

TEST(Pages, AtStartTheLoggingPageShowsWithItsButtonPressed) {
    LiveWindow live;
    EXPECT_EQ(VisiblePage(live), static_cast<int>(kPageLogging));
    EXPECT_EQ(CheckedButtons(live), std::vector<int>{1});
    EXPECT_EQ(SendMessageW(Toolbar(live), TB_BUTTONCOUNT, 0, 0), 4);
}

TEST(Pages, AMouseClickOnAToolbarButtonShowsItsPageByTag) {
    LiveWindow live;
    ClickButtonWithTheMouse(live, 3);  // "Settings": the page tagged "_settings" is Index 1
    EXPECT_EQ(VisiblePage(live), static_cast<int>(kPageSettings));
    EXPECT_EQ(CheckedButtons(live), std::vector<int>{3});
    ClickButtonWithTheMouse(live, 2);  // " Detect": Index 3
    EXPECT_EQ(VisiblePage(live), static_cast<int>(kPageDetect));
    EXPECT_EQ(CheckedButtons(live), std::vector<int>{2});
}

TEST(Pages, ExactlyOneButtonStaysPressedWhenThePressedOneIsClickedAgain) {
    LiveWindow live;
    ClickButtonWithTheMouse(live, 1);
    EXPECT_EQ(CheckedButtons(live), std::vector<int>{1});
    EXPECT_EQ(VisiblePage(live), static_cast<int>(kPageLogging));
}

TEST(Pages, TheToolbarsCommandSwitchesPagesAndTheToolbarStaysInFront) {
    LiveWindow live;
    SendMessageW(live.Main(), WM_COMMAND, MAKEWPARAM(4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Toolbar(live)));
    EXPECT_EQ(VisiblePage(live), static_cast<int>(kPageAbout));
    EXPECT_EQ(CheckedButtons(live), std::vector<int>{4});
    EXPECT_EQ(GetWindow(live.Main(), GW_CHILD), Toolbar(live));
}

TEST(Pages, ButtonsHaveTheirCaptionsAndToolTips) {
    LiveWindow live;
    HWND bar = Toolbar(live);
    wchar_t text[64] = {};
    SendMessageW(bar, TB_GETBUTTONTEXTW, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L" Detect");

    NMTTDISPINFOW tip{};
    tip.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    tip.hdr.idFrom = 3;
    tip.hdr.code = TTN_GETDISPINFOW;
    ASSERT_NE(tip.hdr.hwndFrom, nullptr);
    tip.lpszText = tip.szText;
    // What the tool tip asks of the toolbar when the mouse rests on the button.
    SendMessageW(bar, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, L"Customise the application..");
}

TEST(Pages, ScanSystemsSwitchThroughTheHandlerShowsTheDetectPage) {
    LiveWindow live;
    live.w().tbrMain_ButtonClick(2);
    EXPECT_EQ(VisiblePage(live), static_cast<int>(kPageDetect));
    EXPECT_EQ(CheckedButtons(live), std::vector<int>{2});
}

}  // namespace
}  // namespace sentrel::test
