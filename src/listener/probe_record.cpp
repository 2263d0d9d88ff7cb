#include "listener/probe_record.h"

#include "base/format.h"

namespace sentrel {

void AddRemoteIp(std::vector<std::string>& ipList, std::unordered_set<std::string>& index,
                 const std::string& ip) {
    if (ip.empty() || !index.insert(ip).second) {
        return;
    }
    ipList.push_back(ip);
}

std::string ProbeCounterText(std::int64_t count, const std::string& thousandsSeparator) {
    return FormatGroupedNoZero(count, thousandsSeparator) + " probes";
}

}  // namespace sentrel
