#pragma once
// The system scan: looks for the worm's files and for signs of it running, and shows the
// verdict on the Detect page.
#include <string>
#include <vector>

namespace sentrel {

class WMain;
struct WormFile;
struct WormSign;

// The all-clear sound plays only with playAllClearSound; the infected sound plays regardless.
// Both only when sounds are on.
void ScanSystem(WMain& w, bool playAllClearSound);

// The Detect page's explanation for an infected verdict; processNames as WormProcessNames.
std::string InfectedExplanation(const std::string& wormNames, const std::string& processNames);

// The processes to end by hand: the first three variants' always, a later one's when found.
std::string WormProcessNames(const std::vector<const WormFile*>& found);

// One red event-log line per sign.
void LogWormSigns(WMain& w, const std::vector<WormSign>& signs);

}  // namespace sentrel
