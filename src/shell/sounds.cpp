#include "shell/sounds.h"

#include "base/format.h"

namespace sentrel {

SoundPaths BuildSoundPaths(const std::string& appPath) {
    SoundPaths paths;
    // A drive root already ends in a backslash: fold the doubled one.
    paths.appPath = ReplaceAll(appPath + "\\", "\\\\", "\\");
    paths.dataPath = paths.appPath + "Data\\";
    paths.probe = paths.dataPath + "Probe.wav";
    paths.infected = paths.dataPath + "Infected.wav";
    paths.notInfected = paths.dataPath + "NotInfected.wav";
    paths.disinfected = paths.dataPath + "Disinfected.wav";
    return paths;
}

}  // namespace sentrel
