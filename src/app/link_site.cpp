#include "app/link_site.h"

#include "shell/shell_exe.h"

namespace sentrel {

void ProgramLinkSite::ShellExe(const std::string& file, const std::string& parameters,
                               std::uintptr_t ownerWindow, int showCommand,
                               const std::string& directory) {
    sentrel::ShellExe(services_.shell, services_.dialogs, file, parameters, ownerWindow,
                      showCommand, directory);
}

}  // namespace sentrel
