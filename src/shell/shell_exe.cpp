#include "shell/shell_exe.h"

namespace sentrel {

namespace {

void ReportShellExeFailure(Dialogs& dialogs) {
    try {
        dialogs.ShowMessage("An unexpected error occured:\r\n    Maybe file doesn't exist?",
                            kMsgCritical, "ShellExe()");
    } catch (...) {  // NOLINT(bugprone-empty-catch): the caller is never told
    }
}

}  // namespace

void ShellExe(ShellOpener& opener, Dialogs& dialogs, const std::string& file,
              const std::string& parameters, std::uintptr_t ownerWindow, int showCommand,
              const std::string& directory) {
    bool opened = false;
    try {
        opened = opener.Open({file, parameters, ownerWindow, showCommand, directory});
    } catch (...) {
        opened = false;
    }
    if (!opened) {
        ReportShellExeFailure(dialogs);
    }
}

}  // namespace sentrel
