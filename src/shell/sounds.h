#pragma once
// Where the program's four sounds are: in Data beside the program.
#include <string>

#include "shell/sound_player.h"

namespace sentrel {

struct SoundPaths {
    std::string appPath;
    std::string dataPath;
    std::string probe;
    std::string infected;
    std::string notInfected;
    std::string disinfected;
};

// appPath is the program's folder as the toolkit reports it (no trailing backslash but for a root).
SoundPaths BuildSoundPaths(const std::string& appPath);

// Plays the file asynchronously. Callers test the latched sound switch first.
inline void PlaySoundFile(SoundPlayer& player, const std::string& path) {
    player.Play(path);
}

}  // namespace sentrel
