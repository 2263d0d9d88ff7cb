#pragma once
// The eight settings: keys, defaults and the two store operations.
#include <string>

#include "base/app_environment.h"
#include "shell/settings_store.h"

namespace sentrel {

inline constexpr const char* kSettingsSection = "Settings";

inline constexpr const char* kKeySocketPort = "Socket Port";
inline constexpr const char* kKeyReturnMessage = "Return Message";
inline constexpr const char* kKeyMinimiseToTray = "Minimise To Tray";
inline constexpr const char* kKeyAlwaysOnTop = "Always On Top";
inline constexpr const char* kKeyPlaySfx = "Play SFX";
inline constexpr const char* kKeyTaskScanner = "Task Scanner";
inline constexpr const char* kKeyScanAtStartup = "Scan At Startup";
inline constexpr const char* kKeyStartupNotice = "Startup Notice";

inline constexpr const char* DefaultSocketPort = "10000";
std::string DefaultReturnMessage();

// The store under the running executable's name (read at every call), section "Settings".
std::string GetSetting(SettingsStore& store, AppEnvironment& environment, const std::string& key,
                       const std::string& defaultValue);
[[nodiscard]] SettingWriteResult SaveSetting(SettingsStore& store, AppEnvironment& environment,
                                             const std::string& key, const std::string& value);

// A check box's stored text as the value it receives: the leading number, rounded.
int CheckBoxValueFromSetting(const std::string& stored);

}  // namespace sentrel
