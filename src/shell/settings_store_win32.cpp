#include "shell/settings_store_win32.h"

#include <vector>

#include "base/text_win32.h"

namespace sentrel {

std::wstring RegistrySettingsStore::KeyPath(const std::string& application,
                                            const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + Utf8ToWide(application) + L"\\" +
           Utf8ToWide(section);
}

LSTATUS RegistrySettingsStore::OpenSection(const std::string& application,
                                           const std::string& section, bool forWriting) {
    if (key_ && keyApplication_ == application && keySection_ == section &&
        (keyWritable_ || !forWriting)) {
        return ERROR_SUCCESS;
    }
    const std::wstring path = KeyPath(application, section);
    HKEY opened = nullptr;
    const LSTATUS status =
        forWriting ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                     KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &opened, nullptr)
                   : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    key_.Reset(opened);
    keyApplication_ = application;
    keySection_ = section;
    keyWritable_ = forWriting;
    return ERROR_SUCCESS;
}

LSTATUS RegistrySettingsStore::SetValue(const std::wstring& name, const std::wstring& data) {
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes);
}

std::optional<std::string> RegistrySettingsStore::Read(const std::string& application,
                                                       const std::string& section,
                                                       const std::string& key) {
    if (OpenSection(application, section, false) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring name = Utf8ToWide(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // One character more than asked for, so that a value stored without its NUL still ends.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = bytes;
    if (RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return WideToUtf8(buffer.data());
}

SettingWriteResult RegistrySettingsStore::Write(const std::string& application,
                                                const std::string& section, const std::string& key,
                                                const std::string& value) {
    const std::wstring name = Utf8ToWide(key);
    const std::wstring data = Utf8ToWide(value);
    LSTATUS status = OpenSection(application, section, true);
    if (status == ERROR_SUCCESS) {
        status = SetValue(name, data);
    }
    if (status == ERROR_KEY_DELETED) {
        // Someone removed the section while it was open: make it again and store once more.
        key_.Reset();
        status = OpenSection(application, section, true);
        if (status == ERROR_SUCCESS) {
            status = SetValue(name, data);
        }
    }
    if (status != ERROR_SUCCESS) {
        return {false, SystemErrorDescription(static_cast<DWORD>(status))};
    }
    return {};
}

}  // namespace sentrel
