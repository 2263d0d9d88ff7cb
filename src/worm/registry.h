#pragma once
#include <string>

namespace sentrel {

// The machine-wide registry, as far as the clean needs it.
class Registry {
public:
    virtual ~Registry() = default;
    // Deletes one value under HKEY_LOCAL_MACHINE; silent when missing or denied.
    virtual void DeleteMachineValue(const std::string& subKey, const std::string& valueName) = 0;
};

}  // namespace sentrel
