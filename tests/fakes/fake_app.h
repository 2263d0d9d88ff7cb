#pragma once
// Fakes of the application shell's services: settings store, environment, clock, locale.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/app_environment.h"
#include "shell/settings_store.h"
#include "base/clock.h"

namespace sentrel::test {

class FakeSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override {
        const auto it = values.find({app, section, key});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    SettingWriteResult Write(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) override {
        if (!refusal.empty()) {
            return {false, refusal};
        }
        values[{app, section, key}] = value;
        writes.push_back({key, value});
        return {};
    }

    // The values stored for one application's "Settings" section, by key.
    std::map<std::string, std::string> SectionOf(const std::string& app) const {
        std::map<std::string, std::string> out;
        for (const auto& [k, v] : values) {
            if (std::get<0>(k) == app && std::get<1>(k) == "Settings") {
                out[std::get<2>(k)] = v;
            }
        }
        return out;
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;  // key, value in order
    std::string refusal;  // when set, every write is refused with this description
};

class FakeEnvironment : public AppEnvironment {
public:
    std::string ExeName() override { return exeName; }
    std::string Path() override { return "C:\\Tools"; }
    VersionRecord Version() override { return version; }

    std::string exeName = "sentrel";
    VersionRecord version{1, 20, 125};
};

class FakeClock : public Clock {
public:
    LocalTime Now() override { return now; }
    LocalTime now{14, 3, 27};
};

class FakeLocale : public Locale {
public:
    std::string ThousandsSeparator() override { return thousands; }
    std::string TimeSeparator() override { return ":"; }
    std::string thousands = ",";
};

}  // namespace sentrel::test
