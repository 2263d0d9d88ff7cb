#pragma once
// The running system's version, its files' versions and its DCOM switch, read from the system.
#include "worm/registry_win32.h"
#include "worm/system_facts.h"

namespace sentrel {

class Win32SystemFacts : public SystemFacts {
public:
    SystemVersion RunningSystem() override;
    FileVersionRead SystemFileVersion(const std::string& fileName) override;
    std::string EnableDcom() override;

private:
    Win32Registry registry_;
};

}  // namespace sentrel
