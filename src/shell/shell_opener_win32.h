#pragma once
// Opens documents and web addresses with their associated programs.
#include "shell/shell_opener.h"

namespace sentrel {

class ShellExecuteOpener : public ShellOpener {
public:
    ShellExecuteOpener() = default;
    bool Open(const ShellOpenRequest& request) override;
};

}  // namespace sentrel
