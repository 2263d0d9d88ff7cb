// The settings in the real per-user registry, under an executable name of the test's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <sddl.h>

#include "app/settings.h"
#include "app/settings_store_win32.h"
#include "base/text_win32.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

void RemoveApplication(const std::string& application) {
    const std::wstring path = L"Software\\VB and VBA Program Settings\\" + Utf8ToWide(application);
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}

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

TEST(RegistrySettings, ValuesRoundTripAndAKeyThatRefusesWritesStillReadsAndSaysSo) {
    Rig rig;
    rig.environment.exeName = "sentrel-test-" + std::to_string(GetCurrentProcessId());
    RegistrySettingsStore store;
    EXPECT_TRUE(SaveSetting(store, rig.environment, "Play SFX", "0").stored);

    DenyWriting(RegistrySettingsStore::KeyPath(rig.environment.exeName, "Settings"));
    RegistrySettingsStore locked;
    Services services{locked,       rig.environment, rig.dialogs,   rig.clock,
                      rig.locale,   rig.socket,      rig.launcher,  rig.sound,
                      rig.shell,    rig.tray,        rig.processes, rig.files,
                      rig.registry, rig.textFiles,   rig.sockets,   rig.wormMutex};
    WMain window(services);
    window.Form_Load();
    EXPECT_EQ(window.chkPlaySFX.Value(), 0);
    window.chkAlwaysOnTop.UserClick();
    EXPECT_TRUE(window.state.settingsFailureLogged);
    RemoveApplication(rig.environment.exeName);
}

}  // namespace
}  // namespace sentrel::test
