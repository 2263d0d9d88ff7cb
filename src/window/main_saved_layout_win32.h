#pragma once
// The main window's saved layout as the program carries it: the RCDATA resource "MAINLAYOUT".
#include <windows.h>

#include <string>

namespace sentrel {

// The layout text, or "" when the module has no such resource.
std::string LoadMainLayoutResource(HINSTANCE instance);

}  // namespace sentrel
