#pragma once
// Wave files played by the system in the background.
#include "shell/sound_player.h"

namespace sentrel {

class WinmmSoundPlayer : public SoundPlayer {
public:
    WinmmSoundPlayer() = default;
    void Play(const std::string& path) override;
};

}  // namespace sentrel
