#pragma once
// The unattended mode on the real system.
#include <optional>

namespace sentrel {

// Runs the mode that the program's command line asks for and returns its exit code; nothing
// when there are no arguments and the window should open.
std::optional<int> RunFromCommandLine();

}  // namespace sentrel
