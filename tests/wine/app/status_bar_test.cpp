#include <gtest/gtest.h>

#include "live_window.h"
#include "ui/status_bar_host_win32.h"

namespace sentrel::test {
namespace {

HWND Bar(LiveWindow& live) {
    return live.Of(live.w().stbStatus);
}

std::string PartText(HWND bar, int part) {
    wchar_t text[512] = {};
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return WideToUtf8(text);
}

std::string PartTip(HWND bar, int part) {
    wchar_t text[512] = {};
    SendMessageW(bar, SB_GETTIPTEXTW, MAKEWPARAM(part, 512), reinterpret_cast<LPARAM>(text));
    return WideToUtf8(text);
}

TEST(StatusBar, PanelsWithoutWidthShareWhatTheOthersLeave) {
    EXPECT_EQ(StatusPartEdges({0, 153}, 445), (std::vector<int>{292, -1}));
    EXPECT_EQ(StatusPartEdges({0, 0, 100}, 300), (std::vector<int>{100, 200, -1}));
    EXPECT_EQ(StatusPartEdges({120, 0}, 100), (std::vector<int>{120, -1}));
}

TEST(StatusBar, PanelsHoldTheModelsTexts) {
    LiveWindow live;
    HWND bar = Bar(live);
    ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(PartText(bar, 0), live.rig.Status());
    EXPECT_EQ(PartText(bar, 1), "0 probes");
    EXPECT_EQ(TextOf(bar), live.rig.Status());
}

TEST(StatusBar, TheCounterPanelHasItsWidthAtTheRight) {
    LiveWindow live;
    int edges[2] = {};
    SendMessageW(Bar(live), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    RECT client;
    GetClientRect(Bar(live), &client);
    EXPECT_EQ(edges[0], client.right - MulDiv(2293, live.window->Dpi(), 1440));
    EXPECT_EQ(edges[1], -1);
}

TEST(StatusBar, SetStatusTextWritesTheGeneralPanelAndItsToolTip) {
    LiveWindow live;
    const std::string text =
        "Connection attempted by 192.168.100.200; return message sent. A text longer than the "
        "panel.";
    live.w().SetStatusText(text);
    EXPECT_EQ(PartText(Bar(live), 0), text);
    EXPECT_EQ(PartTip(Bar(live), 0), text);
    EXPECT_EQ(PartText(Bar(live), 1), "0 probes");
}

TEST(StatusBar, AMouseClickOnThePanelShowsItsText) {
    LiveWindow live;
    live.w().SetStatusText("Listening on port 10000.");
    RECT part{};
    SendMessageW(Bar(live), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    const LPARAM at = MAKELPARAM((part.left + part.right) / 2, (part.top + part.bottom) / 2);
    SendMessageW(Bar(live), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Bar(live), WM_LBUTTONUP, 0, at);
    Pump();
    ASSERT_FALSE(live.rig.dialogs.messages.empty());
    EXPECT_EQ(live.rig.dialogs.messages.back().prompt, "Listening on port 10000.");
    EXPECT_EQ(live.rig.dialogs.messages.back().title, "Sentrel");
    EXPECT_EQ(live.rig.dialogs.messages.back().style, kMsgInformation);
}

}  // namespace
}  // namespace sentrel::test
