// The main window's real child windows, tray icon and resources: each mirrors its model and
// turns input into its events.
#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "base/app_environment_win32.h"
#include "base/format.h"
#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "controls/accessible_win32.h"
#include "live_window.h"
#include "shell/tray.h"
#include "shell/tray_icon_win32.h"
#include "ui/clipboard_win32.h"
#include "ui/gdi_win32.h"

namespace sentrel::test {
namespace {

// The text a control's window answers WM_GETTEXT with; nothing for the common controls, whose
// window text is their own.
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

TEST(MainWindow, EveryControlsWindowAnswersWmGetTextAndAPasswordBoxIsMasked) {
    LiveWindow live;
    for (const Control* c : live.w().Controls()) {
        if (const auto expected = ExpectedText(*c)) {
            EXPECT_EQ(TextOf(live.Of(*c)), *expected) << c->Name();
        }
    }
    QelTextBoxXP& message = live.w().txtReturnMessage;
    message.SetPasswordChar("*");
    message.SetText("secret");
    live.Shown();
    EXPECT_EQ(TextOf(live.Of(message)), "******");
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
    live.w().AddLogEntry("Scan finished.", false, 0);
    live.w().SetStatusText("Listening on port 10000.");
    live.Shown();
    HWND list = live.Of(live.w().lvwLog);
    const auto last = static_cast<int>(live.w().lvwLog.Count()) - 1;
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), last + 1);
    EXPECT_EQ(Cell(list, last, 1), "Scan finished.");
    HWND bar = live.Of(live.w().stbStatus);
    EXPECT_EQ(Part(bar, 0), "Listening on port 10000.");
    EXPECT_EQ(Part(bar, 1), live.w().stbStatus.Panel("_counter").text);

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

TEST(MainWindow, ATimerModelTicksAsAWindowTimer) {
    LiveWindow live;
    int ticks = 0;
    Timer& timer = live.w().tmrMSBlastScan;
    timer.Tick = [&] { ++ticks; };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
    timer.SetEnabled(false);
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

TEST(XpControls, EnterEscAndTheArrowsReachTheCheckBoxAndTheTextBox) {
    LiveWindow live;
    live.ShowPage(3);
    std::vector<int> boxKeys;
    std::vector<int> textKeys;
    live.w().chkPlaySFX.KeyDown = [&](int& key, int&) { boxKeys.push_back(key); };
    live.w().txtReturnMessage.KeyDown = [&](int& key, int&) { textKeys.push_back(key); };
    ASSERT_TRUE(Focus(live.Main(), live.Of(live.w().chkPlaySFX)));
    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN}) {
        Press(live.Main(), key);
    }
    EXPECT_EQ(boxKeys, (std::vector<int>{VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN}));
    HWND edit = FindWindowExW(live.Of(live.w().txtReturnMessage), nullptr, L"Edit", nullptr);
    ASSERT_TRUE(Focus(live.Main(), edit));
    Press(live.Main(), VK_ESCAPE);
    Press(live.Main(), VK_RETURN);
    EXPECT_EQ(textKeys, (std::vector<int>{VK_ESCAPE, VK_RETURN}));
}

// A box popping up mid-press takes the mouse: the press is over, and a later release no click.
TEST(XpControls, AnotherWindowTakingTheMouseMidPressEndsThePress) {
    LiveWindow live;
    int clicks = 0;
    live.w().chkPlaySFX.Click = [&] { ++clicks; };
    live.w().cmdScan.Click = [&] { ++clicks; };
    const std::pair<int, Control*> presses[] = {
        {3, &live.w().chkPlaySFX}, {2, &live.w().cmdScan}, {4, &live.w().lnkQel}};
    for (const auto& [page, control] : presses) {
        live.ShowPage(page);
        HWND pressed = live.Of(*control);
        SendMessageW(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
        SetCapture(live.Main());
        ReleaseCapture();
        SendMessageW(pressed, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(live.rig.shell.opened.empty());
}

// Without a mouse: Ctrl+Tab walks the pages and puts the focus on each page's first control;
// Space ticks a box and presses a button, as Enter does; Shift+F10 opens the log's menu; Ctrl+C
// copies a row of the log and the port box's text.
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
        EXPECT_EQ(std::pair(w.tbrMain.PressedIndex(), GetFocus()), std::pair(button, first));
    }
    Press(main, VK_PRIOR, {VK_CONTROL});
    EXPECT_TRUE(IsWindowVisible(live.Of(w.fraContainer[kAboutFrame])));

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
    ASSERT_TRUE(Focus(main, live.Of(w.chkPlaySFX)));
    Press(main, VK_SPACE);
    Press(main, VK_SPACE, {}, WM_KEYUP);
    EXPECT_EQ(w.chkPlaySFX.Value(), 1 - ticked);
    int clicks = 0;
    w.cmdTestMsg.Click = [&] { ++clicks; };
    ASSERT_TRUE(Focus(main, live.Of(w.cmdTestMsg)));
    Press(main, VK_SPACE);
    Press(main, VK_SPACE, {}, WM_KEYUP);
    Press(main, VK_RETURN);
    EXPECT_EQ(clicks, 2);
}

// What a screen reader learns of a control's window.
struct Heard {
    long role = 0;
    std::string name;
    long state = 0;
    std::string action;
    bool operator==(const Heard&) const = default;
};

IAccessible* AccessibleOf(HWND window) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    const auto from = reinterpret_cast<FromWindow>(
        reinterpret_cast<void (*)()>(OleaccFunction("AccessibleObjectFromWindow")));
    void* object = nullptr;
    return from != nullptr && SUCCEEDED(from(window, OBJID_CLIENT, __uuidof(IAccessible), &object))
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

std::vector<HWND> stateChanges;
void CALLBACK RecordStateChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD,
                                DWORD) {
    if (object == OBJID_CLIENT) {
        stateChanges.push_back(window);
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
        object->Release();
    }

    // The default action ticks the box, and a listener hears of it.
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                        &RecordStateChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    IAccessible* box = AccessibleOf(live.Of(w.chkPlaySFX));
    ASSERT_NE(box, nullptr);
    VARIANT self{};
    self.vt = VT_I4;
    EXPECT_EQ(box->accDoDefaultAction(self), S_OK);
    box->Release();
    EXPECT_TRUE(PumpUntil([&] {
        return w.chkPlaySFX.Value() == 1 &&
               std::count(stateChanges.begin(), stateChanges.end(), live.Of(w.chkPlaySFX)) > 0;
    }));
    UnhookWinEvent(hook);
}

// Keeps the shell's answers.
class RecordingTray : public ShellTrayIcon {
public:
    using ShellTrayIcon::ShellTrayIcon;
    bool Notify(TrayMessage message, const TrayIconData& data) override {
        results.push_back(ShellTrayIcon::Notify(message, data));
        return results.back();
    }
    std::vector<bool> results;
};

TEST(ShellTrayIcon, TheTrayHostAcceptsAddModifyAndDelete) {
    const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"tray owner", WS_OVERLAPPEDWINDOW, 0, 0,
                                             100, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                                             nullptr));
    ASSERT_TRUE(owner);
    RecordingTray tray(owner.Get(), LoadIconW(nullptr, IDI_APPLICATION));
    TrayIconData record;
    Image picture{"imgSystray"};
    AddTrayIcon(tray, record, picture, "Sentrel v1.20 - [0 probes]");
    ModifyTrayIcon(tray, record, nullptr, "Sentrel v1.20 - [1 probes]");
    RemoveTrayIcon(tray, record, picture);
    EXPECT_EQ(tray.results, (std::vector<bool>{true, true, true}));
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

}  // namespace
}  // namespace sentrel::test
