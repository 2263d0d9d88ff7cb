#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "live_window.h"

namespace sentrel::test {
namespace {

// The caption or text a control's window should answer WM_GETTEXT with; nothing to compare
// for controls whose window text is their own (list, toolbar, status bar, pictures).
std::optional<std::string> ExpectedText(const Control& c) {
    if (auto* label = dynamic_cast<const Label*>(&c))
        return label->Caption();
    if (auto* frame = dynamic_cast<const Frame*>(&c))
        return frame->Caption();
    if (auto* box = dynamic_cast<const QelCheckBoxXP*>(&c))
        return box->Caption();
    if (auto* button = dynamic_cast<const xpcmdbutton*>(&c))
        return button->Caption();
    if (auto* text = dynamic_cast<const QelTextBoxXP*>(&c))
        return text->Text();
    if (auto* link = dynamic_cast<const HyperLink*>(&c))
        return link->Caption();
    return std::nullopt;
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool IsWindowControl(const Control& c, const WMain& w) {
    return &c != &w.wMain && dynamic_cast<const Timer*>(&c) == nullptr;
}

TEST(MainWindow, EveryControlHasAChildWindowAnsweringItsCaption) {
    LiveWindow live;
    std::map<int, HWND> byId;
    for (HWND child : ChildrenOf(live.Main())) {
        byId[GetDlgCtrlID(child)] = child;
    }
    const auto& controls = live.w().Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = *controls[i];
        if (!IsWindowControl(c, live.w())) {
            continue;
        }
        const int id = kFirstControlId + static_cast<int>(i);
        ASSERT_EQ(byId.count(id), 1U) << c.Name();
        EXPECT_EQ(byId[id], live.Of(c)) << c.Name();
        if (auto expected = ExpectedText(c)) {
            EXPECT_EQ(TextOf(byId[id]), *expected) << c.Name();
        }
    }
    EXPECT_EQ(TextOf(live.Of(live.w().labTitle)), "Sentrel v1.20");
    EXPECT_EQ(TextOf(live.Of(live.w().fraMisc)), "Miscellaneous Settings");
    EXPECT_EQ(TextOf(live.Of(live.w().txtSocketPort)), "10000");
}

TEST(MainWindow, ControlIdentifiersAreUniqueAndTheSameInEveryRun) {
    std::map<std::string, int> first;
    {
        LiveWindow live;
        std::set<int> ids;
        for (Control* c : live.w().Controls()) {
            if (HWND window = live.Of(*c); window != nullptr && c != &live.w().wMain) {
                EXPECT_TRUE(ids.insert(GetDlgCtrlID(window)).second) << c->Name();
                first[c->Name()] = GetDlgCtrlID(window);
            }
        }
    }
    LiveWindow again;
    for (Control* c : again.w().Controls()) {
        if (HWND window = again.Of(*c); window != nullptr && c != &again.w().wMain) {
            EXPECT_EQ(GetDlgCtrlID(window), first[c->Name()]) << c->Name();
        }
    }
}

std::string ToolTipOf(LiveWindow& live, const Control& control) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(live.Of(control));
    tool.uId = reinterpret_cast<UINT_PTR>(live.Of(control));
    tool.lpszText = text;
    SendMessageW(live.window->ToolTipWindow(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return WideToUtf8(text);
}

TEST(MainWindow, ControlsShowTheirToolTips) {
    LiveWindow live;
    EXPECT_EQ(ToolTipOf(live, live.w().imgDonate), "Click to make a donation!");
    EXPECT_EQ(ToolTipOf(live, live.w().chkTaskScanner),
              "This scans the currently running processes for signs of MSBLAST");
    live.w().cmdScan.SetToolTipText("Scan now");
    EXPECT_EQ(ToolTipOf(live, live.w().cmdScan), "Scan now");
}

TEST(MainWindow, HasTheTitleAndTheClientAreaOfTheLayout) {
    LiveWindow live;
    EXPECT_EQ(TextOf(live.Main()), "Sentrel v1.20");
    wchar_t className[64] = {};
    GetClassNameW(live.Main(), className, 64);
    EXPECT_STREQ(className, L"SentrelMain");
    RECT client;
    GetClientRect(live.Main(), &client);
    EXPECT_EQ(client.right, MulDiv(6675, live.window->Dpi(), 1440));
    EXPECT_EQ(client.bottom, MulDiv(4440, live.window->Dpi(), 1440));
    const LONG_PTR style = GetWindowLongPtrW(live.Main(), GWL_STYLE);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_TRUE(IsWindowVisible(live.Main()));
}

TEST(MainWindow, MirrorsTheFormModel) {
    LiveWindow live;
    live.w().wMain.SetCaption("Another title");
    EXPECT_EQ(TextOf(live.Main()), "Another title");

    int resizes = 0;
    live.w().wMain.Resize = [&] { ++resizes; };
    live.w().wMain.SetWindowState(WindowState::Minimised);
    EXPECT_TRUE(IsIconic(live.Main()));
    EXPECT_EQ(resizes, 1);  // the model's own change, not reported back a second time
    live.w().wMain.SetWindowState(WindowState::Normal);
    EXPECT_FALSE(IsIconic(live.Main()));
    EXPECT_EQ(resizes, 2);

    live.w().wMain.Hide();
    EXPECT_FALSE(IsWindowVisible(live.Main()));
}

TEST(MainWindow, ReportsMinimisingByTheUserToTheForm) {
    LiveWindow live;
    int resizes = 0;
    live.w().wMain.Resize = [&] { ++resizes; };
    ShowWindow(live.Main(), SW_MINIMIZE);
    Pump();
    EXPECT_EQ(live.w().wMain.GetWindowState(), WindowState::Minimised);
    EXPECT_GE(resizes, 1);
    ShowWindow(live.Main(), SW_RESTORE);
    Pump();
    EXPECT_EQ(live.w().wMain.GetWindowState(), WindowState::Normal);
}

LRESULT CALLBACK RecordShows(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             UINT_PTR /*id*/, DWORD_PTR shows) {
    if (message == WM_WINDOWPOSCHANGED) {
        const UINT flags = reinterpret_cast<WINDOWPOS*>(lParam)->flags;
        if ((flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0) {
            reinterpret_cast<std::vector<UINT>*>(shows)->push_back(flags & SWP_SHOWWINDOW);
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The form's own handlers stay in place: the recorder passes every call on to them.
TEST(MainWindow, OnlyTheTrayMessagesReachTheTrayHandlers) {
    LiveWindow live;
    std::vector<int> mouse;
    int restarts = 0;
    auto trayCallback = live.w().wMain.TrayCallback;
    auto taskbarCreated = live.w().wMain.TaskbarCreated;
    live.w().wMain.TrayCallback = [&](int m) {
        mouse.push_back(m);
        trayCallback(m);
    };
    live.w().wMain.TaskbarCreated = [&] {
        ++restarts;
        taskbarCreated();
    };

    // Mouse moves over the client area, one of them at the x that is a tray message's number.
    PostMessageW(live.Main(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    PostMessageW(live.Main(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONUP, 10));
    Pump(50);
    EXPECT_TRUE(mouse.empty());
    EXPECT_EQ(restarts, 0);

    // From the shell: the icon's id in wParam, the mouse message in lParam's low word.
    PostMessageW(live.Main(), kMsgTrayCallback, kTrayIconId, WM_LBUTTONUP);
    Pump(50);
    ASSERT_EQ(mouse, std::vector<int>{WM_LBUTTONUP});
    // A left click on the icon of a shown window sends it to the tray.
    EXPECT_TRUE(IsIconic(live.Main()));
    EXPECT_FALSE(IsWindowVisible(live.Main()));

    PostMessageW(live.Main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Pump(50);
    EXPECT_EQ(restarts, 1);

    // Back from the tray: shown once, restored, in front.
    std::vector<UINT> shows;
    SetWindowSubclass(live.Main(), RecordShows, 1, reinterpret_cast<DWORD_PTR>(&shows));
    PostMessageW(live.Main(), kMsgTrayCallback, kTrayIconId, WM_LBUTTONUP);
    Pump(50);
    RemoveWindowSubclass(live.Main(), RecordShows, 1);
    EXPECT_EQ(mouse.size(), 2U);
    EXPECT_FALSE(IsIconic(live.Main()));
    EXPECT_TRUE(IsWindowVisible(live.Main()));
    EXPECT_EQ(shows, std::vector<UINT>{SWP_SHOWWINDOW});
    EXPECT_EQ(GetForegroundWindow(), live.Main());
}

TEST(MainWindow, TimerTicksWhileEnabledOnly) {
    LiveWindow live;
    int ticks = 0;
    Timer& timer = live.w().tmrMSBlastScan;
    timer.Tick = [&] { ++ticks; };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    Pump(150);
    EXPECT_GT(ticks, 0);
    timer.SetEnabled(false);
    Pump(20);
    const int stopped = ticks;
    Pump(100);
    EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace sentrel::test
