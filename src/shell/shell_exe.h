#pragma once
// Opens a document or web address with its associated program; a failure shows one box.
#include <cstdint>
#include <string>

#include "shell/shell_opener.h"
#include "ui/dialogs.h"

namespace sentrel {

// Never throws: the caller is not told of a failure, the user is.
void ShellExe(ShellOpener& opener, Dialogs& dialogs, const std::string& file,
              const std::string& parameters, std::uintptr_t ownerWindow, int showCommand,
              const std::string& directory);

}  // namespace sentrel
