#pragma once
// The running executable's name, folder and version record.
#include "base/app_environment.h"

namespace sentrel {

class Win32AppEnvironment : public AppEnvironment {
public:
    std::string ExeName() override;
    std::string Path() override;
    VersionRecord Version() override;
};

// The parts of a full module path as the program reports them.
std::string ExeNameOf(const std::string& modulePath);
std::string FolderOf(const std::string& modulePath);

}  // namespace sentrel
