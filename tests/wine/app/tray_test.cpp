#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "base/handles_win32.h"
#include "shell/tray.h"
#include "shell/tray_icon_win32.h"

namespace sentrel::test {
namespace {

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

}  // namespace
}  // namespace sentrel::test
