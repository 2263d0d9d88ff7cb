#pragma once
// The system scan: looks for the worm's files and shows the verdict on the Detect page.
#include <string>

namespace sentrel {

class WMain;

// The all-clear sound plays only with playAllClearSound; the infected sound plays regardless.
// Both only when sounds are on.
void ScanSystem(WMain& w, bool playAllClearSound);

// The Detect page's explanation for an infected verdict.
std::string InfectedExplanation(const std::string& wormNames);

}  // namespace sentrel
