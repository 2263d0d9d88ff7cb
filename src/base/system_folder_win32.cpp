#include "base/system_folder_win32.h"

#include <windows.h>

namespace sentrel {

std::wstring SystemFolderPath() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(path, MAX_PATH);
    std::wstring folder(path, n < MAX_PATH ? n : 0);
    if (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

void RestrictDllSearchToSystemFolder() {
    // Newer than XP SP3 (and later updates of Vista and 7): looked up at run time.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const FARPROC proc =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (proc != nullptr) {
        const auto setDefault =
            reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void (*)()>(proc));
        if (setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
            return;
        }
    }
    // Takes at least the current folder out of the search; XP always searches the program's.
    SetDllDirectoryW(L"");
}

}  // namespace sentrel
