#pragma once
// The settings in the per-user registry, where the settings functions of the old runtime keep
// them: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, each
// value a REG_SZ string.
#include <string>

#include "shell/settings_store.h"
#include "base/handles_win32.h"

namespace sentrel {

class RegistrySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& application, const std::string& section,
                                    const std::string& key) override;
    SettingWriteResult Write(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) override;

    static std::wstring KeyPath(const std::string& application, const std::string& section);

private:
    // Opens the key of the section into key_ and keeps it: the boxes store a value per
    // keystroke, so a write must cost one RegSetValueExW. Reading asks for read access only, so
    // a key that policy keeps from changing still reads, and creates nothing; the first write
    // opens the key again for writing, creating it as needed.
    LSTATUS OpenSection(const std::string& application, const std::string& section,
                        bool forWriting);
    LSTATUS SetValue(const std::wstring& name, const std::wstring& data);

    UniqueHkey key_;
    std::string keyApplication_;
    std::string keySection_;
    bool keyWritable_ = false;
};

}  // namespace sentrel
