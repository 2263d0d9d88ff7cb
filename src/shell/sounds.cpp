#include "shell/sounds.h"

namespace sentrel {

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
