#include "listener/probe_record.h"

#include <algorithm>

#include "ui/format.h"

namespace sentrel {

void AddRemoteIp(std::vector<std::string>& ipList, const std::string& ip) {
    if (ip.empty() || std::find(ipList.begin(), ipList.end(), ip) != ipList.end()) {
        return;
    }
    ipList.push_back(ip);
}

std::string ProbeCounterText(std::int64_t count, const std::string& thousandsSeparator) {
    return FormatGroupedNoZero(count, thousandsSeparator) + " probes";
}

}  // namespace sentrel
