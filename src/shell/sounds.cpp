#include "shell/sounds.h"

namespace sentrel {

namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t n = 0;
    for (std::size_t i = 4; i-- > 0;) {
        n = (n << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return n;
}

}  // namespace

std::optional<std::uint32_t> WaveLengthMs(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::uint32_t bytesPerSecond = 0;
    // Chunks follow one another, each an id, a size and an even number of bytes.
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = LittleEndian32(bytes, at + 4);
        if (id == "fmt " && at + 20 <= bytes.size() && size >= 12) {
            bytesPerSecond = LittleEndian32(bytes, at + 16);
        } else if (id == "data") {
            if (bytesPerSecond == 0) {
                return std::nullopt;
            }
            return static_cast<std::uint32_t>(std::uint64_t{size} * 1000 / bytesPerSecond);
        }
        at += 8 + std::size_t{size} + (size & 1U);
    }
    return std::nullopt;
}

SoundPaths BuildSoundPaths(const std::string& appPath) {
    SoundPaths paths;
    // The separator is added where missing, never folded: a UNC path starts with a pair.
    paths.appPath = appPath.ends_with('\\') ? appPath : appPath + '\\';
    paths.dataPath = paths.appPath + "Data\\";
    paths.probe = paths.dataPath + "Probe.wav";
    paths.infected = paths.dataPath + "Infected.wav";
    paths.notInfected = paths.dataPath + "NotInfected.wav";
    paths.disinfected = paths.dataPath + "Disinfected.wav";
    return paths;
}

}  // namespace sentrel
