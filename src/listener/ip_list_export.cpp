#include "listener/ip_list_export.h"

#include "app/web_addresses.h"
#include "app/wmain.h"
#include "log/text_export.h"

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

void WMain::mIPs_Click() {
    if (state.ipList.empty()) {
        SetStatusText("No IPs have yet attempted a connection.");
        return;
    }
    const TextExport request{"Enter filename for IP log..",
                             "There was an error while saving the IP logfile: ", [this] {
                                 return IpListFileText(state.ipList, labTitle.Caption());
                             }};
    if (ExportTextFile(services.dialogs, services.textFiles, request) == ExportOutcome::NotSaved) {
        SetStatusText(kNotSavedStatus);
    }
}

}  // namespace sentrel
