#pragma once
// The machine-wide registry, in either view.
#include "worm/registry.h"

namespace sentrel {

class Win32Registry : public Registry {
public:
    bool HasTwoViews() override;
    bool DeleteMachineValue(RegistryView view, const std::string& subKey,
                            const std::string& valueName) override;
    std::vector<RegistryValue> MachineTextValues(RegistryView view,
                                                 const std::string& subKey) override;
};

}  // namespace sentrel
