#pragma once
// Where the program's four sounds are: in Data beside the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// How long a wave file plays, in milliseconds, from its first bytes (the RIFF header up to the
// data chunk's size); nothing when they are not those of a wave file.
std::optional<std::uint32_t> WaveLengthMs(std::string_view bytes);

// Plays the file asynchronously. Callers test the latched sound switch first.
inline void PlaySoundFile(SoundPlayer& player, const std::string& path) {
    player.Play(path);
}

}  // namespace sentrel
