// The clean's registry step against the test prefix's machine hive, in both views.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "win32_worm_rig.h"
#include "worm/system_clean.h"

namespace sentrel::test {
namespace {

constexpr const wchar_t* kRun = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValue = L"windows auto update";

std::optional<std::vector<BYTE>> ReadValue(REGSAM view) {
    UniqueHkey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE | view, key.Put()) !=
        ERROR_SUCCESS) {
        key.Release();
        return std::nullopt;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), kValue, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<BYTE> data(size);
    RegQueryValueExW(key.Get(), kValue, nullptr, nullptr, data.data(), &size);
    return data;
}

// The worm's auto-start value in one view, put back as it was at the end of the test.
class WormRunValue {
public:
    explicit WormRunValue(REGSAM view) : view_(view), before_(ReadValue(view)) {
        DWORD disposition = 0;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRun, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr,
                            key_.Put(), &disposition) != ERROR_SUCCESS) {
            key_.Release();
            return;
        }
        createdKey_ = disposition == REG_CREATED_NEW_KEY;
        const wchar_t data[] = L"msblast.exe";
        written = RegSetValueExW(key_.Get(), kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                                 sizeof(data)) == ERROR_SUCCESS;
    }
    ~WormRunValue() {
        if (!key_) {
            return;
        }
        if (before_) {
            RegSetValueExW(key_.Get(), kValue, 0, REG_SZ, before_->data(),
                           static_cast<DWORD>(before_->size()));
        } else {
            RegDeleteValueW(key_.Get(), kValue);
        }
        key_.Reset();
        if (createdKey_) {
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kRun, view_, 0);
        }
    }
    WormRunValue(const WormRunValue&) = delete;
    WormRunValue& operator=(const WormRunValue&) = delete;

    bool written = false;

private:
    REGSAM view_;
    std::optional<std::vector<BYTE>> before_;
    UniqueHkey key_;
    bool createdKey_ = false;
};

TEST(Win32Registry, TheCleanRemovesTheWormsRunValueFromEveryView) {
    // On 64-bit Windows the views are separate, so the test can tell that both are cleaned; a
    // 32-bit Windows has one, and takes the view flags without complaint.
    if (RunsUnderWow64()) {
        WormRunValue only32(KEY_WOW64_32KEY);
        ASSERT_TRUE(only32.written);
        EXPECT_TRUE(ReadValue(KEY_WOW64_32KEY).has_value());
        EXPECT_FALSE(ReadValue(KEY_WOW64_64KEY).has_value());
    }
    WormRunValue native(KEY_WOW64_64KEY);
    WormRunValue wow(KEY_WOW64_32KEY);
    ASSERT_TRUE(native.written && wow.written);
    Win32WormRig rig;
    rig.w().cmdCleanSystem.SetEnabled(true);
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_FALSE(ReadValue(KEY_WOW64_64KEY).has_value());
    EXPECT_FALSE(ReadValue(KEY_WOW64_32KEY).has_value());
    EXPECT_EQ(rig.dialogs.messages.at(0).prompt, "Your system was cleaned successfully.");
}

}  // namespace
}  // namespace sentrel::test
