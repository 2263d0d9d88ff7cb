#pragma once
// The system clean: removes the worm's auto-start values, files and processes, then rescans.

namespace sentrel {

class WMain;

// Any failure of a file operation ends the clean at once with one message box.
void CleanSystem(WMain& w);

}  // namespace sentrel
