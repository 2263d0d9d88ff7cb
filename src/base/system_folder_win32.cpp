#include "base/system_folder_win32.h"

#include "base/system_functions_win32.h"

namespace sentrel {

std::wstring SystemFolderAsNamed() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::wstring(buffer, length);
}

namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) != FALSE && wow64 != FALSE;
}

std::wstring SystemFolderPath() {
    const std::wstring system32 = SystemFolderAsNamed();
    if (system32.empty() || !RunsUnderWow64()) {
        return system32;
    }
    // GetSystemDirectoryW names System32 even where the program is redirected from it.
    const std::wstring sysnative =
        system32.substr(0, system32.find_last_of(L'\\')) + L"\\Sysnative";
    return IsFolder(sysnative) ? sysnative : system32;
}

RealSystemFolderView::RealSystemFolderView() {
    const auto switchOff = SystemFunction<decltype(&Wow64DisableWow64FsRedirection)>(
        L"kernel32.dll", "Wow64DisableWow64FsRedirection", kWindowsServer2003);
    switchedOff_ = switchOff != nullptr && switchOff(&previous_) != FALSE;
}

RealSystemFolderView::~RealSystemFolderView() {
    if (!switchedOff_) {
        return;
    }
    if (const auto restore = SystemFunction<decltype(&Wow64RevertWow64FsRedirection)>(
            L"kernel32.dll", "Wow64RevertWow64FsRedirection", kWindowsServer2003)) {
        restore(previous_);
    }
}

void RestrictDllSearchToSystemFolder() {
    // Vista and 7 have it only with a later update: looked up from Vista on.
    if (const auto setDefault = SystemFunction<BOOL(WINAPI*)(DWORD)>(
            L"kernel32.dll", "SetDefaultDllDirectories", kWindowsVista)) {
        if (setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE) {
            return;
        }
    }
    // Takes at least the current folder out of the search; XP always searches the program's.
    SetDllDirectoryW(L"");
}

}  // namespace sentrel
