#pragma once
// The worm's executables, one per variant, and where they are looked for.
#include <array>
#include <string>
#include <vector>

#include "worm/file_system.h"

namespace sentrel {

struct WormFile {
    const char* fileName;
    const char* label;  // the variant's name
    // The first three variants are reported whether found or not; the later ones only when
    // found, so that everything said about the first three reads as it always has.
    bool later;
};

// In the order they are tested, cleaned and named.
inline constexpr std::array<WormFile, 6> kWormFiles{{
    {"msblast.exe", "W32.Blaster.Worm", false},
    {"penis32.exe", "W32.Blaster.Worm.B", false},
    {"teekids.exe", "W32.Blaster.Worm.C", false},
    {"mspatch.exe", "W32.Blaster.Worm.D", true},
    {"mslaugh.exe", "W32.Blaster.Worm.E", true},
    {"enbiei.exe", "W32.Blaster.Worm.F", true},
}};

// The variant's part of the worm name list: the first variant's label alone, every other
// one's joined with " + " (so that a list without the first begins with " + ").
std::string VariantListEntry(const WormFile& file);

// The worm is a 32-bit program: on 64-bit Windows its files land in SysWOW64, so each file is
// looked for in System32 and, where that folder exists, in SysWOW64. Returns the full paths at
// which an ordinary file of that name is present, System32 first.
std::vector<std::string> WormFileLocations(FileSystem& files, const std::string& fileName);

bool WormFilePresent(FileSystem& files, const std::string& fileName);

// The worm files present, in table order.
std::vector<const WormFile*> FindWormFiles(FileSystem& files);

}  // namespace sentrel
