#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "base/handles_win32.h"
#include "fakes/rig.h"
#include "shell/shell_opener_win32.h"
#include "shell/sound_player_win32.h"
#include "shell/tray.h"
#include "shell/tray_icon_win32.h"

namespace sentrel::test {
namespace {

// A hidden top-level window of the test to own the icon.
UniqueWindow MakeHiddenWindow() {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", L"Sentrel tray test", WS_OVERLAPPEDWINDOW, 0,
                                        0, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                                        nullptr));
}

// Records what the real tray icon passes to the shell.
class RecordingTray : public ShellTrayIcon {
public:
    using ShellTrayIcon::ShellTrayIcon;
    bool Notify(TrayMessage message, const TrayIconData& data) override {
        last = data;
        results.push_back(ShellTrayIcon::Notify(message, data));
        return results.back();
    }
    TrayIconData last;
    std::vector<bool> results;
};

TEST(ShellTrayIcon, AddModifyAndDeleteAreAcceptedByTheShell) {
    UniqueWindow window = MakeHiddenWindow();
    ASSERT_TRUE(window);
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    RecordingTray tray(window.Get(), icon);
    TrayIconData record;
    Image picture{"imgSystray"};
    AddTrayIcon(tray, record, picture, "Sentrel v1.20 - [0 probes]");
    ModifyTrayIcon(tray, record, nullptr, "Sentrel v1.20 - [1,234 probes]");
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(tray.last.szTip.data())),
              L"Sentrel v1.20 - [1,234 probes]");
    EXPECT_EQ(tray.last.hWnd, reinterpret_cast<std::uintptr_t>(window.Get()));
    EXPECT_EQ(tray.last.hIcon, reinterpret_cast<std::uintptr_t>(icon));
    EXPECT_EQ(tray.last.cbSize, static_cast<std::uint32_t>(NOTIFYICONDATAW_V1_SIZE));
    RemoveTrayIcon(tray, record, picture);
    EXPECT_EQ(tray.results, (std::vector<bool>{true, true, true}));
}

TEST(ShellExecuteOpener, AFileThatDoesNotExistIsAFailure) {
    ShellExecuteOpener opener;
    EXPECT_FALSE(opener.Open({"C:\\sentrel-no-such-folder\\nothing-here.txt", "", 0, 1, ""}));
}

TEST(WinmmSoundPlayer, AMissingFilePlaysNothingAndReturns) {
    WinmmSoundPlayer player;
    player.Play("C:\\sentrel-no-such-folder\\Probe.wav");
    SUCCEED();
}

}  // namespace
}  // namespace sentrel::test
