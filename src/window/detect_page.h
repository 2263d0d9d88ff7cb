#pragma once
// The Detect page's texts for an infected verdict.
#include <string>
#include <vector>

#include "worm/worm_files.h"

namespace sentrel {

// The explanation below the verdict; processNames as WormProcessNames.
std::string InfectedExplanation(const std::string& wormNames, const std::string& processNames);

// The processes to end by hand: the first three variants' always, a later one's when found.
std::string WormProcessNames(const std::vector<const WormFile*>& found);

}  // namespace sentrel
