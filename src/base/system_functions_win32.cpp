#include "base/system_functions_win32.h"

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

}  // namespace sentrel
