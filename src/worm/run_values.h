#pragma once
// The worm's auto-start entries under the machine's Run key.
#include <string>
#include <vector>

#include "worm/registry.h"

namespace sentrel {

inline constexpr const char* kRunKey = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Run)";
inline constexpr const char* kWormRunValue = "windows auto update";

// The file name of the program that a command starts, as Windows reads the command: a quoted
// path up to its closing quote; an unquoted one up to the first ".exe" that ends a word (so a
// path with blanks needs no quotes), else up to the first blank. "" when there is none.
std::string CommandFileName(const std::string& command);

// True when the command starts one of the worm's files, by name, in any case, with or without
// a path or quotes. A worm file named only as an argument of another program does not count.
bool StartsWormFile(const std::string& command);

struct DeletedRunValue {
    std::string name;
    std::string view;  // "64-bit view" or "32-bit view"; "" where the system has one view
};

// Deletes, in each view (the worm may have written either), the worm's own value and every other
// Run value that starts a worm file; no other value is touched. Returns the values deleted.
std::vector<DeletedRunValue> DeleteWormRunValues(Registry& registry);

}  // namespace sentrel
