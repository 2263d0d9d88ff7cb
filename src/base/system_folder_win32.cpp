#include "base/system_folder_win32.h"

#include "base/system_functions_win32.h"

namespace sentrel {

namespace {

std::wstring RedirectedSystemFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::wstring(buffer, length);
}

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
    const std::wstring system32 = RedirectedSystemFolder();
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

}  // namespace sentrel
