#include <gtest/gtest.h>

#include "live_window.h"

namespace sentrel::test {
namespace {

HWND List(LiveWindow& live) {
    return live.Of(live.w().lvwLog);
}

// The list shows what the model holds once the thread's messages have run.
std::string CellText(HWND list, int item, int column) {
    Pump();
    wchar_t buffer[512] = {};
    LVITEMW lvi{};
    lvi.iSubItem = column;
    lvi.pszText = buffer;
    lvi.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lvi));
    return WideToUtf8(buffer);
}

int ItemCount(HWND list) {
    Pump();
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// Sends the notification as the list view does, through the page it sits on.
void NotifyFromList(HWND list, NMHDR& header) {
    header.hwndFrom = list;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    SendMessageW(GetParent(list), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

TEST(EventLogList, ShowsTheBannerWithItsTimeAndNoHitCount) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    HWND list = List(live);
    ASSERT_EQ(ItemCount(list), 1);
    EXPECT_EQ(CellText(list, 0, 0), "14:03:27");
    EXPECT_EQ(CellText(list, 0, 1), "Sentrel v1.20 build#0125 loaded and waiting.");
    EXPECT_EQ(CellText(list, 0, 2), "-");
}

TEST(EventLogList, HasTheThreeColumns) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    HWND header = reinterpret_cast<HWND>(SendMessageW(List(live), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    const wchar_t* expected[] = {L"Time", L"Event", L"Hit Count"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 32;
        SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, expected[i]);
    }
    // The layout's total width, each column at least as wide as its header.
    int total = 0;
    for (int i = 0; i < 3; ++i) {
        const auto width = static_cast<int>(SendMessageW(List(live), LVM_GETCOLUMNWIDTH, i, 0));
        const auto needed = static_cast<int>(SendMessageW(List(live), LVM_GETSTRINGWIDTHW, 0,
                                                          reinterpret_cast<LPARAM>(expected[i])));
        EXPECT_GT(width, needed) << i;
        total += width;
    }
    EXPECT_EQ(total, MulDiv(70, live.window->Dpi(), 96) + MulDiv(286, live.window->Dpi(), 96) +
                         MulDiv(60, live.window->Dpi(), 96));
}

TEST(EventLogList, MergedProbesRaiseTheHitCountOfTheFirstEntry) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    live.w().AddLogEntry("Probed by 10.0.0.7; replying with message.", true, kLogProbeColour);
    live.w().AddLogEntry("Scan finished.", false, 0);
    for (int i = 0; i < 999; ++i) {
        live.w().AddLogEntry("Probed by 10.0.0.7; replying with message.", true, kLogProbeColour);
    }
    HWND list = List(live);
    ASSERT_EQ(ItemCount(list), 3);
    EXPECT_EQ(CellText(list, 1, 1), "Probed by 10.0.0.7; replying with message.");
    EXPECT_EQ(CellText(list, 1, 2), "1,000");
    EXPECT_EQ(CellText(list, 2, 1), "Scan finished.");
    live.w().AddLogEntry("Probed by 10.0.0.7; replying with message.", true, kLogProbeColour);
    EXPECT_EQ(CellText(list, 1, 2), "1,001");
}

TEST(EventLogList, ALongLogKeepsTheNewestEntryInView) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    for (int i = 0; i < 10000; ++i) {
        live.w().AddLogEntry("Event " + std::to_string(i), false, 0);
    }
    Pump();
    HWND list = List(live);
    ASSERT_EQ(ItemCount(list), 10001);
    EXPECT_EQ(CellText(list, 10000, 1), "Event 9999");
    const auto top = SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
    const auto perPage = SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0);
    EXPECT_GE(top + perPage, 10000);
}

TEST(EventLogList, ClearLogLeavesTheBannerOnly) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    live.w().AddLogEntry("One", false, 0);
    live.w().AddLogEntry("Two", false, 0);
    live.w().mCLEARLOG_Click();
    HWND list = List(live);
    ASSERT_EQ(ItemCount(list), 1);
    EXPECT_EQ(CellText(list, 0, 1), "Sentrel v1.20 build#0125 loaded and waiting.");
}

TEST(EventLogList, EachCellIsDrawnInItsEntrysColour) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    live.w().AddLogEntry("Worm found!", false, kLogWormColour);
    HWND list = List(live);
    Pump();
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Pump(50);
    for (int column = 0; column < 3; ++column) {
        RECT cell{};
        cell.top = column;
        cell.left = LVIR_LABEL;
        SendMessageW(list, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell));
        HDC dc = GetDC(list);
        bool red = false;
        for (int y = cell.top; y < cell.bottom && !red; ++y) {
            for (int x = cell.left; x < cell.right && !red; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                red = GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80;
            }
        }
        ReleaseDC(list, dc);
        EXPECT_TRUE(red) << "column " << column;
    }
}

TEST(EventLogList, ToolTipOfTheCellUnderTheMouse) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    HWND list = List(live);
    RECT cell{};
    cell.top = 2;
    cell.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
    POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(list, &at);
    SetCursorPos(at.x, at.y);

    wchar_t text[256] = {};
    NMLVGETINFOTIPW tip{};
    tip.hdr.code = LVN_GETINFOTIPW;
    tip.pszText = text;
    tip.cchTextMax = 256;
    tip.iItem = 0;
    NotifyFromList(list, tip.hdr);
    EXPECT_STREQ(text, L"[this column does not apply to this event]");
}

// The list view reports a right-button release as NM_RCLICK once its own drag detection is
// over; mouse messages posted to it would race that detection's wait for the real button.
TEST(EventLogList, ARightClickOpensTheMenuAndALeftClickDoesNot) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    NMITEMACTIVATE click{};
    click.hdr.code = NM_CLICK;
    click.iItem = 0;
    NotifyFromList(List(live), click.hdr);
    EXPECT_TRUE(live.rig.dialogs.menusShown.empty());
    click.hdr.code = NM_RCLICK;
    NotifyFromList(List(live), click.hdr);
    EXPECT_EQ(live.rig.dialogs.menusShown, std::vector<std::string>{"mCONTEXT"});
}

TEST(EventLogList, DoubleClickShowsTheSelectedEntry) {
    LiveWindow live;
    live.w().mCLEARLOG_Click();  // the banner alone, as after "Clear Log"
    Pump();
    live.w().AddLogEntry("Second line", false, 0);
    HWND list = List(live);
    Pump();
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    Pump();
    ASSERT_EQ(live.w().lvwLog.SelectedIndex(), std::optional<std::size_t>(1));
    NMITEMACTIVATE click{};
    click.hdr.code = NM_DBLCLK;
    click.iItem = 1;
    NotifyFromList(list, click.hdr);
    ASSERT_FALSE(live.rig.dialogs.messages.empty());
    EXPECT_EQ(live.rig.dialogs.messages.back().prompt, "14:03:27 - Second line");
    EXPECT_EQ(live.rig.dialogs.messages.back().title, "Sentrel..");
}

}  // namespace
}  // namespace sentrel::test
