#pragma once
// The per-user key-value store of the settings: string values by application, section and key.
#include <optional>
#include <string>

namespace sentrel {

struct SettingWriteResult {
    bool stored = true;
    std::string errorDescription;  // the system's description when not stored
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored string, or nothing when there is no such value.
    virtual std::optional<std::string> Read(const std::string& application,
                                            const std::string& section, const std::string& key) = 0;
    // Stores the string, creating the section as needed.
    virtual SettingWriteResult Write(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value) = 0;
};

}  // namespace sentrel
