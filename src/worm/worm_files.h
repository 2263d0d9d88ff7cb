#pragma once
// The worm's three executables and where they are looked for.
#include <array>
#include <string>
#include <vector>

#include "worm/file_system.h"

namespace sentrel {

struct WormFile {
    const char* fileName;
    const char* variantName;  // its part of the worm name list
};

// In the order they are tested, cleaned and named.
inline constexpr std::array<WormFile, 3> kWormFiles{{
    {"msblast.exe", "W32.Blaster.Worm"},
    {"penis32.exe", " + W32.Blaster.Worm.B"},
    {"teekids.exe", " + W32.Blaster.Worm.C"},
}};

// The worm is a 32-bit program: on 64-bit Windows its files land in SysWOW64, so each file is
// looked for in System32 and, where that folder exists, in SysWOW64. Returns the full paths at
// which an ordinary file of that name is present, System32 first.
std::vector<std::string> WormFileLocations(FileSystem& files, const std::string& fileName);

bool WormFilePresent(FileSystem& files, const std::string& fileName);

}  // namespace sentrel
