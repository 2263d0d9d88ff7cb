#pragma once
// Wave files played by the system in the background.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "base/system_functions_win32.h"
#include "shell/sound_player.h"

namespace sentrel {

// The same sound asked for again while it still plays goes on playing: starting a sound costs
// the window's thread the opening of the sound device, which under a flood of probes would be
// paid for every probe with nothing more to hear.
class WinmmSoundPlayer : public SoundPlayer {
public:
    void Play(const std::string& path) override;

private:
    std::uint32_t LengthMs(const std::string& path);

    // Where the multimedia DLL is missing, nothing plays.
    SystemLibrary winmm_{L"winmm.dll"};

    std::map<std::string, std::uint32_t> lengths_;  // 0 for a file that is not a wave file
    std::string playing_;
    DWORD playingSince_ = 0;
    DWORD playingFor_ = 0;
};

}  // namespace sentrel
