#pragma once
// What the program keeps about probes: the distinct addresses and the counter's text.
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace sentrel {

// Appends ip unless it is empty or already listed (exact comparison); first seen stays first.
// The index holds the listed addresses, so that a long list costs no more to check than a
// short one.
void AddRemoteIp(std::vector<std::string>& ipList, std::unordered_set<std::string>& index,
                 const std::string& ip);

// "###,###,###" with the system's thousands separator, then " probes" (also for one).
std::string ProbeCounterText(std::int64_t count, const std::string& thousandsSeparator);

}  // namespace sentrel
