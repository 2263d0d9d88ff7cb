#pragma once
#include <string>

namespace sentrel {

// Plays a wave file asynchronously; a new sound cuts off the one playing; a missing file plays
// nothing, not even a default sound.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const std::string& path) = 0;
};

}  // namespace sentrel
