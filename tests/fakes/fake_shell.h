#pragma once
// Fakes of the shell services: sounds, shell open, tray icon.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "shell/shell_opener.h"
#include "shell/sound_player.h"
#include "shell/tray_icon.h"

namespace sentrel::test {

class FakeSoundPlayer : public SoundPlayer {
public:
    void Play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

class FakeShellOpener : public ShellOpener {
public:
    bool Open(const ShellOpenRequest& request) override {
        opened.push_back(request);
        return succeed;
    }
    std::vector<ShellOpenRequest> opened;
    bool succeed = true;
};

class FakeTrayIcon : public TrayIcon {
public:
    std::uintptr_t WindowHandle() override { return 0x1234; }
    std::uintptr_t IconHandle(const std::string& /*picture*/) override { return 0x5678; }
    bool Notify(TrayMessage message, const TrayIconData& data) override {
        calls.emplace_back(message, data);
        return true;
    }
    std::vector<std::pair<TrayMessage, TrayIconData>> calls;
};

}  // namespace sentrel::test
