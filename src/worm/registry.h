#pragma once
#include <string>

namespace sentrel {

// On 64-bit Windows a 32-bit program sees its own view of the machine's software keys.
enum class RegistryView { Bits64, Bits32 };

// The machine-wide registry, as far as the clean needs it.
class Registry {
public:
    virtual ~Registry() = default;
    // Deletes one value under HKEY_LOCAL_MACHINE in the given view; silent when the key or the
    // value is missing or access is denied.
    virtual void DeleteMachineValue(RegistryView view, const std::string& subKey,
                                    const std::string& valueName) = 0;
};

}  // namespace sentrel
