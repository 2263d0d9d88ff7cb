#include "app/settings_store_win32.h"

#include <vector>

#include "base/text_win32.h"

namespace sentrel {

std::wstring RegistrySettingsStore::KeyPath(const std::string& application,
                                            const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + Utf8ToWide(application) + L"\\" +
           Utf8ToWide(section);
}

HKEY RegistrySettingsStore::SectionKey(const std::string& application, const std::string& section,
                                       bool create) {
    if (key_ && keyApplication_ == application && keySection_ == section) {
        return key_.Get();
    }
    key_.Reset();
    const std::wstring path = KeyPath(application, section);
    const REGSAM access = KEY_QUERY_VALUE | KEY_SET_VALUE;
    HKEY opened = nullptr;
    const LSTATUS status = create
                               ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                 access, nullptr, &opened, nullptr)
                               : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &opened);
    if (status != ERROR_SUCCESS) {
        return nullptr;
    }
    key_.Reset(opened);
    keyApplication_ = application;
    keySection_ = section;
    return opened;
}

std::optional<std::string> RegistrySettingsStore::Read(const std::string& application,
                                                       const std::string& section,
                                                       const std::string& key) {
    HKEY sectionKey = SectionKey(application, section, false);
    if (sectionKey == nullptr) {
        return std::nullopt;
    }
    const std::wstring name = Utf8ToWide(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(sectionKey, name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // One character more than asked for, so that a value stored without its NUL still ends.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = bytes;
    if (RegQueryValueExW(sectionKey, name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return WideToUtf8(buffer.data());
}

void RegistrySettingsStore::Write(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    HKEY sectionKey = SectionKey(application, section, true);
    if (sectionKey == nullptr) {
        return;
    }
    const std::wstring name = Utf8ToWide(key);
    const std::wstring data = Utf8ToWide(value);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetValueExW(sectionKey, name.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    if (status == ERROR_KEY_DELETED) {
        // Someone removed the section while it was open: make it again and store once more.
        key_.Reset();
        if (HKEY fresh = SectionKey(application, section, true)) {
            RegSetValueExW(fresh, name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(data.c_str()), bytes);
        }
    }
}

}  // namespace sentrel
