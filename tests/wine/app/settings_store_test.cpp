#include <gtest/gtest.h>
#include <windows.h>

#include <sddl.h>

#include <map>

#include "app/settings.h"
#include "app/settings_store_win32.h"
#include "base/text_win32.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

// An executable name of the test's own, so the real registry holds nothing of it before and
// is left as found afterwards.
class RegistrySettings : public testing::Test {
protected:
    void SetUp() override {
        HKEY root = nullptr;
        rootExisted = RegOpenKeyExW(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &root) == ERROR_SUCCESS;
        if (root != nullptr) {
            RegCloseKey(root);
        }
        environment.exeName = "sentrel-test-" + std::to_string(GetCurrentProcessId());
        RemoveApplication(environment.exeName);
        RemoveApplication(environment.exeName + "-other");
    }
    void TearDown() override {
        RemoveApplication(environment.exeName);
        RemoveApplication(environment.exeName + "-other");
        if (!rootExisted) {
            RegDeleteKeyW(HKEY_CURRENT_USER, kRoot);  // only goes when nothing else is in it
        }
    }
    static constexpr const wchar_t* kRoot = L"Software\\VB and VBA Program Settings";
    bool rootExisted = false;
    static void RemoveApplication(const std::string& application) {
        const std::wstring path =
            L"Software\\VB and VBA Program Settings\\" + Utf8ToWide(application);
        RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
    }

    // Every value of the application's Settings section, read straight from the registry.
    std::map<std::string, std::string> Section() const {
        std::map<std::string, std::string> values;
        HKEY key = nullptr;
        const std::wstring path = RegistrySettingsStore::KeyPath(environment.exeName, "Settings");
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return values;
        }
        for (DWORD i = 0;; ++i) {
            wchar_t name[256];
            wchar_t data[2048];
            DWORD nameLength = 256;
            DWORD dataBytes = sizeof data;
            DWORD type = 0;
            if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &dataBytes) != ERROR_SUCCESS) {
                break;
            }
            EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
            values[WideToUtf8(name)] = WideToUtf8(std::wstring(data, dataBytes / 2 - 1));
        }
        RegCloseKey(key);
        return values;
    }

    FakeEnvironment environment;
    RegistrySettingsStore store;
};

// Leaves a key readable only, as a policy may; it can still be deleted.
void DenyWriting(const std::wstring& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HKEY key = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:P(A;;0x30019;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    RegCloseKey(key);
    LocalFree(descriptor);
}

TEST_F(RegistrySettings, AMissingValueReadsAsNothingAndCreatesNoKey) {
    EXPECT_EQ(store.Read(environment.exeName, "Settings", "Socket Port"), std::nullopt);
    EXPECT_EQ(GetSetting(store, environment, "Socket Port", "10000"), "10000");
    HKEY key = nullptr;
    const std::wstring path = RegistrySettingsStore::KeyPath(environment.exeName, "Settings");
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(RegistrySettings, ValuesRoundTripAsStrings) {
    EXPECT_TRUE(
        SaveSetting(store, environment, "Return Message", "Hello|there, caf\xC3\xA9").stored);
    EXPECT_TRUE(SaveSetting(store, environment, "Play SFX", "0").stored);
    EXPECT_TRUE(SaveSetting(store, environment, "Socket Port", "").stored);
    RegistrySettingsStore fresh;
    EXPECT_EQ(GetSetting(fresh, environment, "Return Message", "x"), "Hello|there, caf\xC3\xA9");
    EXPECT_EQ(GetSetting(fresh, environment, "Play SFX", "1"), "0");
    // A stored empty text is a value: the default does not come back.
    EXPECT_EQ(GetSetting(fresh, environment, "Socket Port", "10000"), "");
}

TEST_F(RegistrySettings, EveryKeystrokeOverwritesTheValue) {
    for (const char* text : {"8", "80", "808", "8080"}) {
        EXPECT_TRUE(SaveSetting(store, environment, "Socket Port", text).stored);
    }
    EXPECT_EQ(Section(), (std::map<std::string, std::string>{{"Socket Port", "8080"}}));
}

TEST_F(RegistrySettings, AnotherExecutableNameHasItsOwnValues) {
    EXPECT_TRUE(SaveSetting(store, environment, "Always On Top", "1").stored);
    FakeEnvironment other;
    other.exeName = environment.exeName + "-other";
    EXPECT_EQ(GetSetting(store, other, "Always On Top", "0"), "0");
    EXPECT_TRUE(SaveSetting(store, other, "Always On Top", "0").stored);
    EXPECT_EQ(GetSetting(store, environment, "Always On Top", "0"), "1");
}

TEST_F(RegistrySettings, TheFirstStartStoresThePortAndTheNoticeOnly) {
    // The window on fakes but for the real registry store.
    Rig rig;
    Services real{store,         environment,  rig.dialogs,  rig.clock,    rig.locale,
                  rig.socket,    rig.launcher, rig.sound,    rig.shell,    rig.tray,
                  rig.processes, rig.files,    rig.registry, rig.textFiles};
    {
        WMain first(real);
        first.Form_Load();
    }
    EXPECT_EQ(Section(), (std::map<std::string, std::string>{{"Socket Port", "10000"},
                                                             {"Startup Notice", "1"}}));
    EXPECT_EQ(rig.dialogs.messages.size(), 1U);
    WMain second(real);
    second.Form_Load();
    EXPECT_EQ(rig.dialogs.messages.size(), 1U);  // the hint shows once only
}

TEST_F(RegistrySettings, ASectionThatRefusesWritesStillReads) {
    EXPECT_TRUE(SaveSetting(store, environment, "Startup Notice", "1").stored);
    DenyWriting(RegistrySettingsStore::KeyPath(environment.exeName, "Settings"));
    RegistrySettingsStore locked;
    EXPECT_EQ(GetSetting(locked, environment, "Startup Notice", "0"), "1");
    EXPECT_FALSE(SaveSetting(locked, environment, "Play SFX", "0").stored);
    EXPECT_EQ(Section(), (std::map<std::string, std::string>{{"Startup Notice", "1"}}));
}

TEST_F(RegistrySettings, ASectionRemovedWhileOpenIsMadeAgainOnTheNextWrite) {
    EXPECT_TRUE(SaveSetting(store, environment, "Play SFX", "1").stored);
    RemoveApplication(environment.exeName);
    EXPECT_TRUE(SaveSetting(store, environment, "Play SFX", "0").stored);
    EXPECT_EQ(Section(), (std::map<std::string, std::string>{{"Play SFX", "0"}}));
}

}  // namespace
}  // namespace sentrel::test
