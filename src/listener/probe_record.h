#pragma once
// What the program keeps about probes: the distinct addresses and the counter's text.
#include <cstdint>
#include <string>
#include <vector>

namespace sentrel {

// Appends ip unless it is empty or already listed (exact comparison); first seen stays first.
void AddRemoteIp(std::vector<std::string>& ipList, const std::string& ip);

// "###,###,###" with the system's thousands separator, then " probes" (also for one).
std::string ProbeCounterText(std::int64_t count, const std::string& thousandsSeparator);

}  // namespace sentrel
