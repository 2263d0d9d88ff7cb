#include "worm/registry_win32.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "base/handles_win32.h"
#include "base/system_folder_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

// The key, or an empty handle when it cannot be opened with that access.
UniqueHkey OpenMachineKey(RegistryView view, const std::string& subKey, REGSAM access) {
    const REGSAM viewFlag = view == RegistryView::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    UniqueHkey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Utf8ToWide(subKey).c_str(), 0, access | viewFlag,
                      key.Put()) != ERROR_SUCCESS) {
        key.Release();  // not a handle of ours after a failed open
    }
    return key;
}

// The stored text up to its first NUL: the data need not carry one, or may carry several.
std::string TextOf(const std::vector<wchar_t>& data, DWORD bytes) {
    const std::size_t units = std::min<std::size_t>(bytes / sizeof(wchar_t), data.size());
    return WideToUtf8(std::wstring_view(data.data(), wcsnlen(data.data(), units)));
}

}  // namespace

bool Win32Registry::HasTwoViews() {
    return sizeof(void*) == 8 || RunsUnderWow64();
}

bool Win32Registry::DeleteMachineValue(RegistryView view, const std::string& subKey,
                                       const std::string& valueName) {
    // A missing key or value, or denied access, goes by silently.
    const UniqueHkey key = OpenMachineKey(view, subKey, KEY_SET_VALUE);
    return key && RegDeleteValueW(key.Get(), Utf8ToWide(valueName).c_str()) == ERROR_SUCCESS;
}

std::vector<RegistryValue> Win32Registry::MachineTextValues(RegistryView view,
                                                            const std::string& subKey) {
    std::vector<RegistryValue> values;
    const UniqueHkey key = OpenMachineKey(view, subKey, KEY_QUERY_VALUE);
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (!key ||
        RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return values;
    }
    std::vector<wchar_t> name(longestName + 1);
    std::vector<wchar_t> data(longestData / sizeof(wchar_t) + 1);
    for (DWORD index = 0; index < count; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        if (RegEnumValueW(key.Get(), index, name.data(), &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS) {
            continue;  // changed while listed: what is left is still looked at
        }
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            values.push_back(
                {WideToUtf8(std::wstring_view(name.data(), nameLength)), TextOf(data, bytes)});
        }
    }
    return values;
}

}  // namespace sentrel
