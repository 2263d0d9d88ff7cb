#pragma once
// The system clean: removes the worm's auto-start value, files and processes, then rescans.
#include <string>

#include "worm/registry.h"

namespace sentrel {

class WMain;

inline constexpr const char* kRunKey = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Run)";
inline constexpr const char* kWormRunValue = "windows auto update";

// Deletes the value in both registry views, silently, as the worm may have written either.
void DeleteRegistryValue(Registry& registry, const std::string& subKey,
                         const std::string& valueName);

// Any failure of a file operation ends the clean at once with one message box.
void CleanSystem(WMain& w);

}  // namespace sentrel
