#pragma once
// Where the system's own programs and DLLs live, and the rule that DLLs come only from there.
#include <string>

namespace sentrel {

// The system folder, without a trailing backslash.
std::wstring SystemFolderPath();

// From here on, a DLL loaded by name comes from the system folder only: never from the
// program's folder or the current folder, where anyone who can write a file could plant one.
void RestrictDllSearchToSystemFolder();

}  // namespace sentrel
