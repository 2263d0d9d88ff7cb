#pragma once
// Saving the list of probing addresses to a text file.
#include <string>
#include <vector>

namespace sentrel {

// The header line naming the program (`title`, as its title label reads) and its home page, a
// rule of 74 hyphens, an empty line, then one address per line; every line ends in CR LF.
std::string IpListFileText(const std::vector<std::string>& ipList, const std::string& title);

}  // namespace sentrel
