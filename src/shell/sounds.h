#pragma once
// Where the program's four sounds are: in Data beside the program.
#include <string>

#include "app/app_state.h"

namespace sentrel {

// appPath is the program's folder as the toolkit reports it (no trailing backslash but for a root).
SoundPaths BuildSoundPaths(const std::string& appPath);

}  // namespace sentrel
