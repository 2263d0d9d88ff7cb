#include "shell/settings.h"

#include "base/web_addresses.h"
#include "base/format.h"

namespace sentrel {

std::string DefaultReturnMessage() {
    return std::string("You appear to be infected with the MS.Blast.Worm - please visit ") +
           kWormInfoUrl + " for further info.";
}

std::string GetSetting(SettingsStore& store, AppEnvironment& environment, const std::string& key,
                       const std::string& defaultValue) {
    auto value = store.Read(environment.ExeName(), kSettingsSection, key);
    return value ? *value : defaultValue;
}

SettingWriteResult SaveSetting(SettingsStore& store, AppEnvironment& environment,
                               const std::string& key, const std::string& value) {
    return store.Write(environment.ExeName(), kSettingsSection, key, value);
}

int CheckBoxValueFromSetting(const std::string& stored) {
    return RoundToInt(LeadingNumber(stored));
}

}  // namespace sentrel
