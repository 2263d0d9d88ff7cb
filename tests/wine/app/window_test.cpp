// The main window's real child windows, tray icon and resources: each mirrors its model and
// turns input into its events. Wine takes the DPI from the prefix's LogPixels when a process
// starts, so each display scaling but the prefix's own 96 runs the paint walk in a child process.
#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <tuple>
#include <optional>
#include <process.h>
#include <vector>

#include "base/app_environment_win32.h"
#include "base/format.h"
#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "controls/accessible_win32.h"
#include "controls/button_face.h"
#include "controls/check_box_pictures.h"
#include "controls/high_contrast.h"
#include "controls/xp_host_base_win32.h"
#include "live_window.h"
#include "shell/tray.h"
#include "shell/tray_icon_win32.h"
#include "ui/clipboard_win32.h"
#include "ui/gdi_win32.h"

namespace sentrel::test {
namespace {

// The text box's edit box shows the model's text, alignment, edge, limits, mask, selection,
// colours and state, and follows each change back.
TEST(XpControls, TheTextBoxsEditBoxShowsItsModel) {
    LiveWindow live;
    QelTextBoxXP& box = live.w().txtReturnMessage;
    HWND host = live.Of(box);
    HWND edit = FindWindowExW(host, nullptr, L"Edit", nullptr);
    // {right-aligned, sunken, locked, limit, mask, enabled, selection}
    const std::tuple<bool, bool, bool, long, const char*, bool, long> rows[] = {
        {true, true, true, 7, "*", false, 2}, {false, false, false, 0, "", true, 0}};
    for (const auto& [right, sunken, locked, limit, mask, enabled, selected] : rows) {
        box.SetText("caf\xC3\xA9");
        box.SetAlignment(right ? Alignment::Right : Alignment::Left);
        box.SetAppearance(sunken ? 1 : 0);
        box.SetLocked(locked);
        box.SetMaxLength(limit);
        box.SetPasswordChar(mask);
        box.SetEnabled(enabled);
        box.SetSelStart(1);
        box.SetSelLength(selected);
        box.SetBackColor(Rgb(1, 2, selected));
        live.Shown();
        const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
        DWORD from = 0;
        DWORD to = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(std::tuple(TextOf(edit), (style & ES_RIGHT) != 0, (style & ES_READONLY) != 0,
                             (GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0,
                             IsWindowEnabled(edit) != FALSE, from, to),
                  std::tuple(std::string("caf\xC3\xA9"), right, locked, sunken, enabled, 1UL,
                             1UL + selected));
        EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), limit > 0 ? limit : 0x7FFFFFFE);
        EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), *mask);
        EXPECT_EQ(TextOf(host), *mask != 0 ? "****" : "caf\xC3\xA9");
        // The colours the edit box paints with.
        const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        LOGBRUSH brush{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(host, WM_CTLCOLOREDIT,
                                                          reinterpret_cast<WPARAM>(dc.Get()),
                                                          reinterpret_cast<LPARAM>(edit))),
                   sizeof brush, &brush);
        const XpColours colours = TextBoxColours(box, false);
        EXPECT_EQ(std::tuple(GetTextColor(dc.Get()), GetBkColor(dc.Get()), brush.lbColor),
                  std::tuple(ToColorRef(colours.text), ToColorRef(colours.back),
                             ToColorRef(colours.back)));
    }
}

Colour PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// Every pixel of the window's client area, as painted now.
std::vector<COLORREF> Pixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    UpdateWindow(window);
    std::vector<COLORREF> all;
    for (int i = 0; i < client.right * client.bottom; ++i) {
        all.push_back(PixelOf(window, i % client.right, i / client.right));
    }
    return all;
}

// The same, as the window paints into a bitmap when asked to print itself.
std::vector<COLORREF> Printed(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    HDC screen = GetDC(window);
    HDC dc = CreateCompatibleDC(screen);
    const UniqueGdiObject bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(window, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap.Get());
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    std::vector<COLORREF> all;
    for (int i = 0; i < client.right * client.bottom; ++i) {
        all.push_back(GetPixel(dc, i % client.right, i / client.right));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return all;
}

// Whether the window shows the colour (or, with `other`, another one) somewhere right of `left`.
bool Shows(HWND window, COLORREF colour, int left = 0, bool other = false) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    bool found = false;
    for (int y = 0; y < client.bottom && !found; ++y) {
        for (int x = left; x < client.right && !found; ++x) {
            found = (GetPixel(dc, x, y) == colour) != other;
        }
    }
    ReleaseDC(window, dc);
    return found;
}

std::string ClassAndText(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return WideToUtf8(name) + " \"" + TextOf(window) + "\"";
}

// Below `parent`, no visible window covers a visible sibling or reaches out of its parent.
void ExpectSiblingsApart(HWND parent, HWND allowedOverlap) {
    RECT area{};
    GetClientRect(parent, &area);
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        if (IsWindowVisible(child) && GetWindowRect(child, &r)) {
            RECT both{};
            UnionRect(&both, &r, &area);
            EXPECT_TRUE(EqualRect(&both, &area)) << ClassAndText(child) << " leaves its parent";
            for (const auto& [sibling, s] : shown) {
                EXPECT_TRUE(!IntersectRect(&both, &r, &s) || child == allowedOverlap ||
                            sibling == allowedOverlap)
                    << ClassAndText(child) << " and " << ClassAndText(sibling) << " overlap";
            }
            shown.emplace_back(child, r);
            ExpectSiblingsApart(child, nullptr);
        }
    }
}

// The tip the window's tool tips show for a control.
std::string TipOf(HWND tips, HWND control) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return WideToUtf8(text);
}

// On every page, at every common display scaling, nothing overlaps, and each control's window
// paints what its model says and answers WM_GETTEXT with its caption: the check box its picture and
// caption, the button its face, the text box its outline, the link and the labels their text in
// their colours, an image its picture.
TEST(MainWindow, EachControlPaintsItsModelAndAnswersWmGetText) {
    LiveWindow live;
    if (const char* expected = std::getenv("SENTREL_EXPECTED_DPI")) {
        ASSERT_EQ(live.window->Dpi(), std::atoi(expected));
    }
    const std::vector<Colour> strip = RenderFaceStrip();
    for (int page = 1; page <= 4; ++page) {
        live.ShowPage(page);
        SCOPED_TRACE("page " + std::to_string(page) + " at " + std::to_string(live.window->Dpi()));
        ExpectSiblingsApart(live.Main(), live.Of(live.w().tbrMain));
        RedrawWindow(live.Main(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (const Control* c : live.w().Controls()) {
            HWND window = live.Of(*c);
            if (window == nullptr || IsWindowVisible(window) == FALSE) {
                continue;
            }
            RECT client{};
            GetClientRect(window, &client);
            SCOPED_TRACE(c->Name());
            EXPECT_EQ(TipOf(live.window->ToolTipWindow(), window), c->ToolTipText());
            if (const auto* box = dynamic_cast<const QelCheckBoxXP*>(c)) {
                const CheckBoxPixels picture = CheckBoxPicture(box->Picture());
                const int top = (client.bottom - kCheckBoxPictureSize) / 2;
                for (int i = 0; i < kCheckBoxPictureSize * kCheckBoxPictureSize; ++i) {
                    const int x = i % kCheckBoxPictureSize;
                    const int y = i / kCheckBoxPictureSize;
                    ASSERT_EQ(PixelOf(window, x, top + y), CheckBoxPixel(picture, x, y));
                }
                const XpColours colours = CheckBoxColours(*box, false);
                EXPECT_EQ(PixelOf(window, kCheckBoxPictureSize, 0), ToColorRef(colours.back));
                EXPECT_TRUE(Shows(window, ToColorRef(colours.text), kCheckBoxPictureSize));
                EXPECT_EQ(TextOf(window), box->Caption());
            } else if (const auto* button = dynamic_cast<const xpcmdbutton*>(c)) {
                // The corner's diagonal is the face's, to within the shipped bitmap's palette.
                for (int d = 0; d < 3; ++d) {
                    const Colour face = strip[static_cast<std::size_t>(
                        d * kFaceStripWidth + button->Face() * kFaceCellWidth + d)];
                    const Colour shown = PixelOf(window, d, d);
                    EXPECT_LE(std::abs(RedOf(shown) - RedOf(face)) +
                                  std::abs(GreenOf(shown) - GreenOf(face)) +
                                  std::abs(BlueOf(shown) - BlueOf(face)),
                              36);
                }
                EXPECT_TRUE(Shows(window, ToColorRef(ButtonColours(*button, false).text)));
                EXPECT_EQ(TextOf(window), button->Caption());
            } else if (const auto* text = dynamic_cast<const QelTextBoxXP*>(c)) {
                EXPECT_EQ(PixelOf(window, 0, 0), ToColorRef(TextBoxColours(*text, false).frame));
                EXPECT_EQ(std::pair(PixelOf(window, 2, 2), TextOf(window)),
                          std::pair(kWhite, text->Text()));
            } else if (const auto* link = dynamic_cast<const HyperLink*>(c)) {
                EXPECT_TRUE(Shows(window, ToColorRef(LinkColours(*link, false).text)));
                EXPECT_EQ(TextOf(window), link->Caption());
            } else if (const auto* label = dynamic_cast<const Label*>(c)) {
                const auto colour = label->ForeColor();
                EXPECT_TRUE(
                    Shows(window, colour ? ToColorRef(*colour) : GetSysColor(COLOR_BTNTEXT)));
                EXPECT_FALSE(Shows(window, kWhite));
                EXPECT_EQ(TextOf(window), label->Caption());
            } else if (const auto* frame = dynamic_cast<const Frame*>(c)) {
                EXPECT_EQ(TextOf(window), frame->Caption());
            } else if (dynamic_cast<const Image*>(c) != nullptr) {
                EXPECT_TRUE(Shows(window, GetSysColor(COLOR_BTNFACE), 0, true));
            }
        }
    }
}

std::string Cell(HWND list, int item, int column) {
    wchar_t text[256] = {};
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
    return WideToUtf8(text);
}

std::string Part(HWND bar, int part) {
    wchar_t text[512] = {};
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return WideToUtf8(text);
}

TEST(MainWindow, TheListTheStatusBarAndTheToolbarMirrorTheirModels) {
    LiveWindow live;
    WMain& w = live.w();
    HWND list = live.Of(w.lvwLog);
    EXPECT_FALSE(Shows(list, RGB(255, 0, 0)));
    w.AddLogEntry("Scan finished.", false, 255);
    w.SetStatusText("Listening on port 10000.");
    live.Shown();
    const auto last = static_cast<int>(w.lvwLog.Count()) - 1;
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), last + 1);
    EXPECT_EQ(Cell(list, last, 1), "Scan finished.");
    LVITEMW icon{};
    icon.mask = LVIF_IMAGE;
    icon.iItem = last;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&icon));
    EXPECT_GE(icon.iImage, 0);
    EXPECT_NE(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(Shows(list, RGB(255, 0, 0)));  // the entry's own colour
    // A right click opens the log's menu; the newest of many entries is scrolled into view.
    NMITEMACTIVATE click{};
    click.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), static_cast<UINT>(NM_RCLICK)};
    SendMessageW(GetParent(list), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(live.rig.dialogs.menusShown, std::vector<std::string>{"mContext"});
    for (int i = 0; i < 60; ++i) {
        w.AddLogEntry("Entry " + std::to_string(i), false, 0);
    }
    live.Shown();
    EXPECT_GE(
        SendMessageW(list, LVM_GETTOPINDEX, 0, 0) + SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0),
        static_cast<LRESULT>(w.lvwLog.Count()));
    w.lvwLog.Clear();
    w.AddLogEntry("After clearing", false, 0);
    live.Shown();
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    HWND bar = live.Of(w.stbStatus);
    EXPECT_EQ(Part(bar, 0), "Listening on port 10000.");
    EXPECT_EQ(Part(bar, 1), w.stbStatus.Panel("_counter").text);
    // The counter keeps its width at the right; a click on it shows its text.
    RECT bounds{};
    RECT part{};
    GetClientRect(bar, &bounds);
    SendMessageW(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    EXPECT_NEAR(part.right - part.left,
                TwipsToPixels(w.stbStatus.Panel(2).widthTwips, live.window->Dpi()), 4);
    EXPECT_NEAR(part.right, bounds.right, 4);
    ClickAt(bar, (part.left + part.right) / 2, (part.top + part.bottom) / 2);
    ASSERT_FALSE(live.rig.dialogs.messages.empty());
    EXPECT_EQ(live.rig.dialogs.messages.back().prompt, w.stbStatus.Panel(2).text);

    // A mouse click on the toolbar's third button shows the Settings page.
    HWND toolbar = live.Of(live.w().tbrMain);
    RECT button{};
    SendMessageW(toolbar, TB_GETITEMRECT, SendMessageW(toolbar, TB_COMMANDTOINDEX, 3, 0),
                 reinterpret_cast<LPARAM>(&button));
    const POINT at{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SendMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    ClickAt(toolbar, at.x, at.y);
    live.Shown();
    EXPECT_TRUE(IsWindowVisible(live.Of(live.w().fraContainer[kSettingsFrame])));
    EXPECT_FALSE(IsWindowVisible(live.Of(live.w().fraContainer[kLoggingFrame])));
    EXPECT_NE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 3, 0), 0);
    EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 1, 0), 0);
}

// Where a window was last asked to go in the z-order, kept as its property "place".
LRESULT CALLBACK KeepPlace(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
    if (call->message == WM_WINDOWPOSCHANGING && (pos->flags & SWP_NOZORDER) == 0) {
        SetPropW(call->hwnd, L"place", pos->hwndInsertAfter);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK QuitLate(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99);
}

// The main window follows its form, tells it of the user's minimising and restoring, and ends
// the program's message loop when it unloads.
TEST(MainWindow, FollowsItsFormTellsItOfTheUsersChangesAndEndsTheLoopOnUnload) {
    LiveWindow live;
    Form& form = live.w().wMain;
    HWND main = live.Main();
    RECT client{};
    GetClientRect(main, &client);
    const int dpi = live.window->Dpi();
    EXPECT_EQ((std::pair<int, int>(client.right, client.bottom)),
              std::pair(TwipsToPixels(form.GetBounds().width, dpi),
                        TwipsToPixels(form.GetBounds().height, dpi)));
    EXPECT_TRUE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0) != 0 &&
                SendMessageW(main, WM_GETICON, ICON_BIG, 0) != 0);
    form.SetCaption("Other");
    EXPECT_EQ(TextOf(main), "Other");
    for (const char* tip : {"one", "two", ""}) {  // added, changed, removed
        live.w().cmdScan.SetToolTipText(tip);
        live.Shown();
        EXPECT_EQ(TipOf(live.window->ToolTipWindow(), live.Of(live.w().cmdScan)), tip);
    }
    // Always on top and back. Wine links the window below a common control's own tool tip, which is
    // not topmost, so the window never shows WS_EX_TOPMOST there: the place asked for is checked.
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, KeepPlace, nullptr, GetCurrentThreadId());
    for (const bool top : {true, false}) {
        form.SetTopmost(top);
        live.Shown();
        EXPECT_EQ(RemovePropW(main, L"place"), top ? HWND_TOPMOST : HWND_NOTOPMOST);
    }
    UnhookWindowsHookEx(hook);
    ShowWindow(main, SW_MINIMIZE);
    EXPECT_EQ(form.GetWindowState(), WindowState::Minimised);
    const std::size_t trayCalls = live.rig.tray.calls.size();
    SendMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_EQ(live.rig.tray.calls.size(), trayCalls + 1);
    EXPECT_EQ(live.rig.tray.calls.back().first, TrayMessage::Add);
    ShowWindow(main, SW_RESTORE);
    EXPECT_EQ(form.GetWindowState(), WindowState::Normal);
    form.SetWindowState(WindowState::Minimised);
    EXPECT_NE(IsIconic(main), FALSE);
    form.SetWindowState(WindowState::Normal);
    form.Hide();
    EXPECT_EQ(std::pair(IsWindowVisible(main), IsIconic(main)), std::pair(FALSE, FALSE));
    form.Show();
    EXPECT_NE(IsWindowVisible(main), FALSE);
    SetTimer(nullptr, 0, 5000, &QuitLate);  // should the window never close
    form.Unload();
    EXPECT_EQ(RunMessageLoop(main), 0);
}

// Later changes show too: a label's new font, a button's new height alone.
TEST(MainWindow, ALabelTakesANewFontAndAButtonANewHeight) {
    LiveWindow live;
    WMain& w = live.w();
    Font bold = w.labAbout.GetFont();
    bold.bold = !bold.bold;
    w.labAbout.SetFont(bold);
    Bounds taller = w.cmdScan.GetBounds();
    taller.height += 300;
    w.cmdScan.SetBounds(taller);
    live.Shown();
    LOGFONTW shown{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(live.Of(w.labAbout), WM_GETFONT, 0, 0)),
               sizeof shown, &shown);
    EXPECT_EQ(shown.lfWeight >= FW_BOLD, bold.bold);
    RECT client{};
    GetClientRect(live.Of(w.cmdScan), &client);
    EXPECT_EQ(client.bottom, TwipsToPixels(taller.height, live.window->Dpi()));
}

// A timer ticks while enabled, a control's own timer (the box's hover check) not before.
TEST(MainWindow, ATimerModelTicksAsAWindowTimer) {
    LiveWindow live;
    int hoverTicks = 0;
    live.w().chkPlaySFX.tmrHover.Tick = [&] { ++hoverTicks; };
    int ticks = 0;
    Timer& timer = live.w().tmrMSBlastScan;
    timer.Tick = [&] { ++ticks; };
    timer.SetInterval(100000);
    timer.SetEnabled(true);
    timer.SetInterval(10);  // a new interval restarts the count
    EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }, 2000));
    timer.SetEnabled(false);
    live.Shown();
    const int seen = ticks;
    PumpFor(100);
    EXPECT_EQ(std::pair(ticks, hoverTicks), std::pair(seen, 0));
}

// Gives the control the focus, waiting for the activation it needs on a loaded display.
bool Focus(HWND main, HWND control) {
    SetForegroundWindow(main);
    return PumpUntil([&] {
        SetFocus(control);
        return GetFocus() == control;
    });
}

// A key as the program's message loop handles it (its own keys and the dialog manager first),
// with the modifier keys `held` down.
void Press(HWND main, WPARAM key, std::initializer_list<int> held = {}, UINT message = WM_KEYDOWN) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    for (int k : held) {
        keys[k] = 0x80;
    }
    SetKeyboardState(keys);
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
    MSG down{GetFocus(), message, key, 1 | scan << 16, GetTickCount(), {0, 0}};
    if (!PreTranslateWindowMessage(main, down)) {
        DispatchMessageW(&down);
    }
    for (int k : held) {
        keys[k] = 0;
    }
    SetKeyboardState(keys);
}

// A caption takes exactly the width it was measured at: its last letter ends there, whatever
// width this font's letters are drawn at by themselves.
TEST(XpControls, ACaptionEndsWhereItsMeasureEnds) {
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const UniqueGdiObject bitmap(CreateCompatibleBitmap(dc.Get(), 200, 40));
    SelectObject(dc.Get(), bitmap.Get());
    SelectObject(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    PatBlt(dc.Get(), 0, 0, 200, 40, WHITENESS);
    DrawMeasuredText(dc.Get(), "WWWW", 10, 10);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), L"W", 1, &size);
    int right = 0;
    for (int i = 0; i < 200 * 40; ++i) {
        right = GetPixel(dc.Get(), i % 200, i / 200) == 0 ? std::max(right, i % 200) : right;
    }
    EXPECT_LT(right, 10 + 4 * size.cx);
    EXPECT_GE(right, 10 + 3 * size.cx);
}

// A control under the mouse looks hot, and is painted so, until its own timer finds the mouse
// gone.
TEST(XpControls, HoverLastsWhileTheMouseIsOnTheControl) {
    LiveWindow live;
    WMain& w = live.w();
    const std::tuple<int, Control*, std::function<bool()>> cases[] = {
        {4, &w.lnkBlog, [&] { return w.lnkBlog.HoverTimerRunning(); }},
        {2, &w.cmdScan, [&] { return w.cmdScan.Face() == kFaceHover; }},
        {3, &w.chkPlaySFX, [&] { return w.chkPlaySFX.tmrHover.Enabled(); }}};
    for (const auto& [page, control, hot] : cases) {
        live.ShowPage(page);
        HWND window = live.Of(*control);
        const std::vector<COLORREF> cold = Pixels(window);
        RECT r{};
        GetWindowRect(window, &r);
        SetCursorPos(r.left + 4, r.top + 4);
        SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        PumpFor(200);
        EXPECT_TRUE(hot()) << control->Name();
        EXPECT_TRUE(Pixels(window) != cold) << control->Name();
        SetCursorPos(r.right + 40, r.bottom + 40);
        EXPECT_TRUE(PumpUntil([&] { return !hot(); }, 3000)) << control->Name();
    }
}

// A box popping up mid-press takes the mouse, or the mouse is let go outside: the press is over,
// the box shows its normal picture, and no click comes.
TEST(XpControls, APressEndedByAnotherWindowOrReleasedOutsideIsNoClick) {
    LiveWindow live;
    QelCheckBoxXP& box = live.w().chkPlaySFX;
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    live.w().cmdScan.Click = [&] { ++clicks; };
    const std::pair<int, Control*> presses[] = {
        {3, &box}, {2, &live.w().cmdScan}, {4, &live.w().lnkQel}};
    for (const bool taken : {true, false}) {
        for (const auto& [page, control] : presses) {
            live.ShowPage(page);
            HWND pressed = live.Of(*control);
            SendMessageW(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
            if (taken) {
                SetCapture(live.Main());
                ReleaseCapture();
            }
            SendMessageW(pressed, WM_LBUTTONUP, 0, MAKELPARAM(taken ? 6 : -30, 6));
        }
        EXPECT_EQ(box.Picture(), box.Value() == 1 ? kPicChecked : kPicUnchecked);
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(live.rig.shell.opened.empty());
    live.ShowPage(2);  // and a whole click with the mouse on the button
    RECT r{};
    GetWindowRect(live.Of(live.w().cmdScan), &r);
    SetCursorPos(r.left + 6, r.top + 6);
    ClickAt(live.Of(live.w().cmdScan), 6, 6);
    EXPECT_EQ(clicks, 1);
}

// The focused control shows a focus rectangle, and loses it with the focus; asked to print
// itself, a control paints what the screen shows.
TEST(XpControls, TheFocusRectangleComesAndGoesWithTheFocus) {
    LiveWindow live;
    const std::pair<int, Control*> controls[] = {
        {3, &live.w().chkPlaySFX}, {3, &live.w().cmdTestMsg}, {4, &live.w().lnkBlog}};
    for (const auto& [page, control] : controls) {
        live.ShowPage(page);
        HWND window = live.Of(*control);
        const std::vector<COLORREF> unfocused = Pixels(window);
        EXPECT_TRUE(Printed(window) == unfocused) << control->Name();
        ASSERT_TRUE(Focus(live.Main(), window));
        EXPECT_TRUE(Pixels(window) != unfocused) << control->Name();
        SetFocus(live.Main());
        EXPECT_TRUE(Pixels(window) == unfocused) << control->Name();
    }
}

// Without a mouse: Ctrl+Tab walks the pages and puts the focus on each page's first control;
// Space ticks a box and presses a button, as Enter does; Shift+F10 opens the log's menu; Ctrl+C
// copies a row of the log and the port box's text; the boxes see Enter, Esc and the arrows.
TEST(Keyboard, PagesBoxesButtonsTheLogsMenuAndTheClipboard) {
    LiveWindow live;
    WMain& w = live.w();
    HWND main = live.Main();
    ASSERT_TRUE(Focus(main, live.Of(w.lvwLog)));
    HWND port = FindWindowExW(live.Of(w.txtSocketPort), nullptr, L"Edit", nullptr);
    const std::pair<int, HWND> walk[] = {
        {2, live.Of(w.cmdScan)}, {3, port}, {4, live.Of(w.lnkBlog)}, {1, live.Of(w.lvwLog)}};
    for (const auto& [button, first] : walk) {
        Press(main, VK_TAB, {VK_CONTROL});
        live.Shown();
        EXPECT_EQ(std::pair(w.tbrMain.PressedIndex(), GetFocus()), std::pair(button, first));
        EXPECT_NE(SendMessageW(live.Of(w.tbrMain), TB_ISBUTTONCHECKED, button, 0), 0);
    }
    Press(main, VK_PRIOR, {VK_CONTROL});
    EXPECT_TRUE(IsWindowVisible(live.Of(w.fraContainer[kAboutFrame])));
    // On the toolbar the arrows move between its buttons; Space and Enter show the page and put
    // the focus on its first control.
    for (const auto& [keys, page, first] :
         {std::tuple{std::vector<WPARAM>{VK_LEFT, VK_SPACE}, 3, port},
          std::tuple{std::vector<WPARAM>{VK_RIGHT, VK_DOWN, VK_RETURN}, 1, live.Of(w.lvwLog)}}) {
        ASSERT_TRUE(Focus(main, live.Of(w.tbrMain)));
        for (WPARAM key : keys) {
            Press(main, key);
        }
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == first; })) << page;
        EXPECT_EQ(w.tbrMain.PressedIndex(), page);
    }

    ListView& log = w.lvwLog;
    ListView_SetItemState(live.Of(log), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED);
    ASSERT_TRUE(Focus(main, live.Of(log)));
    Press(main, VK_F10, {VK_SHIFT}, WM_SYSKEYDOWN);
    Press(main, VK_F10, {VK_SHIFT}, WM_SYSKEYUP);
    EXPECT_EQ(live.rig.dialogs.menusShown, (std::vector<std::string>{"mContext"}));
    Press(main, 'C', {VK_CONTROL});
    const ListItem& row = log.Item(0);
    EXPECT_EQ(ClipboardText(main), row.cell.text + "\t" + row.subItems[0].text + "\t-\r\n");
    w.txtSocketPort.SetText("10000");
    SendMessageW(port, EM_SETSEL, 0, -1);
    SendMessageW(port, WM_CHAR, 3, 0);  // what Ctrl+C types
    EXPECT_EQ(ClipboardText(main), "10000");

    live.ShowPage(3);
    const int ticked = w.chkPlaySFX.Value();
    std::vector<int> keys;
    w.chkPlaySFX.KeyDown = [&](int& key, int&) { keys.push_back(key); };
    w.txtSocketPort.KeyDown = w.chkPlaySFX.KeyDown;
    ASSERT_TRUE(Focus(main, live.Of(w.chkPlaySFX)));
    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN, VK_SPACE}) {
        Press(main, key);
    }
    Press(main, VK_SPACE, {}, WM_KEYUP);
    EXPECT_EQ(w.chkPlaySFX.Value(), 1 - ticked);
    int clicks = 0;
    w.cmdTestMsg.Click = [&] { ++clicks; };
    ASSERT_TRUE(Focus(main, live.Of(w.cmdTestMsg)));
    Press(main, VK_SPACE);
    Press(main, VK_SPACE, {}, WM_KEYUP);
    Press(main, VK_RETURN);
    EXPECT_EQ(clicks, 2);
    ASSERT_TRUE(Focus(main, port));
    Press(main, VK_ESCAPE);
    Press(main, VK_RETURN);
    EXPECT_EQ(keys, (std::vector<int>{VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN, VK_SPACE, VK_ESCAPE,
                                      VK_RETURN}));
}

// What a screen reader learns of a control's window.
struct Heard {
    long role = 0;
    std::string name;
    long state = 0;
    std::string action;
    bool operator==(const Heard&) const = default;
};

IAccessible* AccessibleOf(HWND window, LONG id = OBJID_CLIENT) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    const auto from = reinterpret_cast<FromWindow>(
        reinterpret_cast<void (*)()>(OleaccFunction("AccessibleObjectFromWindow")));
    void* object = nullptr;
    return from != nullptr && SUCCEEDED(from(window, id, __uuidof(IAccessible), &object))
               ? static_cast<IAccessible*>(object)
               : nullptr;
}

Heard Hear(IAccessible* object) {
    Heard heard;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT number{};
    BSTR text = nullptr;
    if (object->get_accRole(self, &number) == S_OK) {
        heard.role = number.lVal;
    }
    if (object->get_accState(self, &number) == S_OK) {
        heard.state = number.lVal & ~(STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN);
    }
    for (auto [query, into] : {std::pair{&IAccessible::get_accName, &heard.name},
                               std::pair{&IAccessible::get_accDefaultAction, &heard.action}}) {
        if ((object->*query)(self, &text) == S_OK) {
            *into = WideToUtf8(text);
            SysFreeString(text);
        }
    }
    return heard;
}

std::vector<std::pair<DWORD, HWND>> announced;
void CALLBACK RecordAnnouncement(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                 DWORD) {
    if (object == OBJID_CLIENT) {
        announced.emplace_back(event, window);
    }
}

TEST(XpControls, ScreenReadersHearEachControlsRoleNameStateAndDefaultAction) {
    LiveWindow live;
    WMain& w = live.w();
    w.chkPlaySFX.SetValue(0);
    live.Shown();
    HWND port = FindWindowExW(live.Of(w.txtSocketPort), nullptr, L"Edit", nullptr);
    constexpr long kFocusable = STATE_SYSTEM_FOCUSABLE;
    const std::pair<HWND, Heard> cases[] = {
        {live.Of(w.chkPlaySFX),
         {ROLE_SYSTEM_CHECKBUTTON, "Enable sound effects.", kFocusable, "Check"}},
        {live.Of(w.cmdCleanSystem),
         {ROLE_SYSTEM_PUSHBUTTON, "Clean System!", kFocusable | STATE_SYSTEM_UNAVAILABLE, "Press"}},
        {live.Of(w.lnkQel),
         {ROLE_SYSTEM_LINK, "The author's page", kFocusable | STATE_SYSTEM_LINKED, "Jump"}},
        {port, {ROLE_SYSTEM_TEXT, "Socket Settings", kFocusable, ""}}};
    for (const auto& [window, expected] : cases) {
        IAccessible* object = AccessibleOf(window);
        ASSERT_NE(object, nullptr) << expected.name;
        EXPECT_EQ(Hear(object), expected) << expected.name;
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = 1;
        BSTR none = nullptr;
        EXPECT_NE(object->get_accName(child, &none), S_OK) << expected.name;
        object->Release();
        // The window around the client area stays the system's.
        object = AccessibleOf(window, OBJID_WINDOW);
        ASSERT_NE(object, nullptr) << expected.name;
        EXPECT_NE(Hear(object).role, expected.role) << expected.name;
        object->Release();
    }

    // The default action ticks the box, and a listener hears of it and of a new caption.
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                        &RecordAnnouncement, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    IAccessible* box = AccessibleOf(live.Of(w.chkPlaySFX));
    ASSERT_NE(box, nullptr);
    VARIANT self{};
    self.vt = VT_I4;
    EXPECT_EQ(box->accDoDefaultAction(self), S_OK);
    box->Release();
    w.chkPlaySFX.SetCaption("Sounds");
    const auto heard = [&](DWORD event) {
        return std::count(announced.begin(), announced.end(),
                          std::pair(event, live.Of(w.chkPlaySFX))) > 0;
    };
    EXPECT_TRUE(PumpUntil([&] {
        return w.chkPlaySFX.Value() == 1 && heard(EVENT_OBJECT_STATECHANGE) &&
               heard(EVENT_OBJECT_NAMECHANGE);
    }));
    UnhookWinEvent(hook);
}

TEST(ShellTrayIcon, TheShellTakesTheIconChangesItAndAfterTheDeleteKnowsItNoMore) {
    const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"tray owner", WS_OVERLAPPEDWINDOW, 0, 0,
                                             100, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                                             nullptr));
    ShellTrayIcon tray(owner.Get(), LoadIconW(nullptr, IDI_APPLICATION));
    TrayIconData record;
    Image picture{"imgSystray"};
    AddTrayIcon(tray, record, picture, "Sentrel v1.20 - [0 probes]");
    EXPECT_TRUE(tray.Notify(TrayMessage::Modify, record));
    RemoveTrayIcon(tray, record, picture);
    EXPECT_FALSE(tray.Notify(TrayMessage::Modify, record));
}

TEST(Resources, VersionManifestLayoutIconsAndPicturesLoad) {
    const VersionRecord version = Win32AppEnvironment().Version();
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 20);
    EXPECT_EQ(version.revision, 125);

    // The manifest asks for common controls 6, which the loader takes from the side-by-side store.
    wchar_t comctl[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), comctl, MAX_PATH);
    EXPECT_NE(ToLowerAscii(WideToUtf8(comctl)).find("microsoft.windows.common-controls_"),
              std::string::npos)
        << WideToUtf8(comctl);

    // Icons at the sizes the window asks for them, and the bitmaps.
    const std::pair<const char*, int> pictures[] = {
        {"SENTREL", 48},     {"ABOUT", 48},  {"SYSTRAY", 16},       {"INFO", 16},
        {"EXCLAMATION", 16}, {"APP", 32},    {"SCAN_INFECTED", 32}, {"SCAN_CLEAN", 32},
        {"DONATE", 0},       {"XPBUTTON", 0}};
    for (const auto& [name, size] : pictures) {
        EXPECT_FALSE(LoadPicture(GetModuleHandleW(nullptr), name, size).Empty()) << name;
    }
}

void SetLogPixels(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
}

TEST(DisplayScaling, HoldsAtEveryCommonScaling) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (DWORD dpi : {120, 144, 192}) {
        // The paint walk in a child process of this suite; its output joins this one's.
        SetLogPixels(dpi);
        SetEnvironmentVariableW(L"SENTREL_EXPECTED_DPI", std::to_wstring(dpi).c_str());
        EXPECT_EQ(_wspawnl(_P_WAIT, self, L"suite", L"--gtest_filter=MainWindow.EachControlPaints*",
                           nullptr),
                  0)
            << dpi << " dpi";
    }
    SetEnvironmentVariableW(L"SENTREL_EXPECTED_DPI", nullptr);
    SetLogPixels(96);  // the prefix's own scaling again, for the suites after this one
}

}  // namespace
}  // namespace sentrel::test
