#pragma once
#include <string>
#include <vector>

namespace sentrel {

// On 64-bit Windows a 32-bit program sees its own view of the machine's software keys.
enum class RegistryView { Bits64, Bits32 };

struct RegistryValue {
    std::string name;
    std::string data;  // the text of a string value
};

// The machine-wide registry, as far as the clean needs it.
class Registry {
public:
    virtual ~Registry() = default;
    // True on 64-bit Windows. On 32-bit Windows there is one view, whichever is asked for.
    virtual bool HasTwoViews() = 0;
    // Deletes one value under HKEY_LOCAL_MACHINE in the given view; silent when the key or the
    // value is missing or access is denied. True when a value was deleted.
    virtual bool DeleteMachineValue(RegistryView view, const std::string& subKey,
                                    const std::string& valueName) = 0;
    // The string values (plain or expandable, unexpanded) of a key under HKEY_LOCAL_MACHINE in
    // the given view; none when the key cannot be read.
    virtual std::vector<RegistryValue> MachineTextValues(RegistryView view,
                                                         const std::string& subKey) = 0;
};

}  // namespace sentrel
