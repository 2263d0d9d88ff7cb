// The About page: the donation picture and the links' site.
#include "base/web_addresses.h"
#include "shell/shell_exe.h"
#include "window/wmain.h"

namespace sentrel {

namespace {

constexpr int kShowNormal = 1;

}  // namespace

void WMain::imgDonate_Click() {
    ShellExe(services.shell, services.dialogs, kDonationUrl, "", 0, kShowNormal, "");
}

void ProgramLinkSite::ShellExe(const std::string& file, const std::string& parameters,
                               std::uintptr_t ownerWindow, int showCommand,
                               const std::string& directory) {
    sentrel::ShellExe(services_.shell, services_.dialogs, file, parameters, ownerWindow,
                      showCommand, directory);
}

}  // namespace sentrel
