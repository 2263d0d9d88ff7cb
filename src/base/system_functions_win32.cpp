#include "base/system_functions_win32.h"

#include <string>

namespace sentrel {

namespace {

WindowsVersion ReportedVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (GetVersionExW(&info) == FALSE) {
        return {};
    }
    return {info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace

bool WindowsIsAtLeast(WindowsVersion version) {
    static const WindowsVersion reported = ReportedVersion();
    return reported.major > version.major ||
           (reported.major == version.major && reported.minor >= version.minor);
}

FARPROC FindSystemFunction(const wchar_t* dll, const char* name, WindowsVersion since) {
    if (!WindowsIsAtLeast(since)) {
        return nullptr;
    }
    const HMODULE module = GetModuleHandleW(dll);
    return module == nullptr ? nullptr : GetProcAddress(module, name);
}

SystemLibrary::SystemLibrary(const wchar_t* name) {
    // The system folder as named: a 32-bit program on 64-bit Windows is redirected to its own
    // DLLs in SysWOW64.
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // The DLLs it needs in turn are looked for beside it first, also on XP, where the search
    // cannot be restricted to the system folder.
    module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

}  // namespace sentrel
