#pragma once
// Wave files played by the system in the background.
#include "base/system_functions_win32.h"
#include "shell/sound_player.h"

namespace sentrel {

class WinmmSoundPlayer : public SoundPlayer {
public:
    void Play(const std::string& path) override;

private:
    // Where the multimedia DLL is missing, nothing plays.
    SystemLibrary winmm_{L"winmm.dll"};
};

}  // namespace sentrel
