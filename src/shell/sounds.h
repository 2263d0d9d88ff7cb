#pragma once
// Where the program's four sounds are: in Data beside the program.
#include <string>

#include "app/app_state.h"
#include "shell/sound_player.h"

namespace sentrel {

// appPath is the program's folder as the toolkit reports it (no trailing backslash but for a root).
SoundPaths BuildSoundPaths(const std::string& appPath);

// Plays the file asynchronously. Callers test the latched sound switch first.
inline void PlaySoundFile(SoundPlayer& player, const std::string& path) {
    player.Play(path);
}

}  // namespace sentrel
