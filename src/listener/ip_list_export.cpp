#include "listener/ip_list_export.h"

#include "base/web_addresses.h"

namespace sentrel {

std::string IpListFileText(const std::vector<std::string>& ipList, const std::string& title) {
    std::string text = "IP list created with " + title + " by " + kHomePageUrl + "\r\n";
    text += std::string(74, '-') + "\r\n";
    text += "\r\n";
    for (const std::string& ip : ipList) {
        text += ip + "\r\n";
    }
    return text;
}

}  // namespace sentrel
