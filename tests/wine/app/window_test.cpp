// The main window's real child windows, tray icon and resources: each mirrors its model and
// turns input into its events.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "app/app_environment_win32.h"
#include "app/main_saved_layout_win32.h"
#include "base/format.h"
#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "live_window.h"
#include "shell/tray.h"
#include "shell/tray_icon_win32.h"
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
    EXPECT_TRUE(IsWindowVisible(live.Of(live.w().fraContainer[kPageSettings])));
    EXPECT_FALSE(IsWindowVisible(live.Of(live.w().fraContainer[kPageLogging])));
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

// A key as the program's message loop handles it: the dialog manager first.
void Press(HWND main, WPARAM key) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
    MSG down{GetFocus(), WM_KEYDOWN, key, 1 | scan << 16, GetTickCount(), {0, 0}};
    if (!IsDialogMessageW(main, &down)) {
        DispatchMessageW(&down);
    }
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
    const std::pair<int, Control*> presses[] = {{3, &live.w().chkPlaySFX}, {2, &live.w().cmdScan}};
    for (const auto& [page, control] : presses) {
        live.ShowPage(page);
        HWND pressed = live.Of(*control);
        SendMessageW(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 6));
        SetCapture(live.Main());
        ReleaseCapture();
        SendMessageW(pressed, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    }
    EXPECT_EQ(clicks, 0);
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
    EXPECT_FALSE(LoadMainLayoutResource(GetModuleHandleW(nullptr)).empty());

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
