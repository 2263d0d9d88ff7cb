#pragma once
// The settings in the per-user registry, where the settings functions of the old runtime keep
// them: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, each
// value a REG_SZ string.
#include <string>

#include "app/settings_store.h"
#include "base/handles_win32.h"

namespace sentrel {

class RegistrySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& application, const std::string& section,
                                    const std::string& key) override;
    void Write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

    static std::wstring KeyPath(const std::string& application, const std::string& section);

private:
    // The key of the section, opened once and kept: the boxes store a value per keystroke, so a
    // write must cost one RegSetValueExW. Reading a section that does not exist creates nothing.
    HKEY SectionKey(const std::string& application, const std::string& section, bool create);

    UniqueHkey key_;
    std::string keyApplication_;
    std::string keySection_;
};

}  // namespace sentrel
