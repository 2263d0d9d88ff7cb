#include "worm/system_facts_win32.h"

#include <windows.h>

#include <vector>

#include "base/format.h"
#include "base/system_folder_win32.h"
#include "base/system_functions_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

struct VersionFunctions {
    decltype(&GetFileVersionInfoSizeW) size = nullptr;
    decltype(&GetFileVersionInfoW) read = nullptr;
    decltype(&VerQueryValueW) query = nullptr;
};

// The functions of version.dll, loaded by its full path (it is not a known DLL). Loaded before
// any file system redirection is turned off: a 32-bit program must load its own version.dll.
VersionFunctions VersionDll(const SystemLibrary& dll) {
    return {dll.Function<decltype(&GetFileVersionInfoSizeW)>("GetFileVersionInfoSizeW"),
            dll.Function<decltype(&GetFileVersionInfoW)>("GetFileVersionInfoW"),
            dll.Function<decltype(&VerQueryValueW)>("VerQueryValueW")};
}

// The file's version record; false with the system's error code when there is none.
bool ReadVersionRecord(const VersionFunctions& version, const std::wstring& path,
                       std::vector<unsigned char>& block, DWORD& error) {
    // The file calls, and nothing else, see the real System32 (on 64-bit Windows).
    const RealSystemFolderView view;
    DWORD ignored = 0;
    block.resize(version.size(path.c_str(), &ignored));
    if (block.empty() ||
        version.read(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) == FALSE) {
        error = GetLastError();
        return false;
    }
    return true;
}

}  // namespace

SystemVersion Win32SystemFacts::RunningSystem() {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)) == FALSE) {
        return {};
    }
    return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion),
            info.wServicePackMajor};
}

FileVersionRead Win32SystemFacts::SystemFileVersion(const std::string& fileName) {
    const SystemLibrary versionDll(L"version.dll");
    const VersionFunctions version = VersionDll(versionDll);
    const std::wstring folder = SystemFolderAsNamed();
    if (version.size == nullptr || version.read == nullptr || version.query == nullptr) {
        return {std::nullopt, "version.dll could not be loaded"};
    }
    if (folder.empty()) {
        return {std::nullopt, "the system folder is not known"};
    }
    std::vector<unsigned char> block;
    DWORD error = ERROR_SUCCESS;
    if (!ReadVersionRecord(version, folder + L"\\" + Utf8ToWide(fileName), block, error)) {
        return {std::nullopt, error == ERROR_SUCCESS ? "it has no version record"
                                                     : SystemErrorDescription(error)};
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (version.query(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) == FALSE ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
        return {std::nullopt, "it has no version record"};
    }
    return {FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                        HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)},
            ""};
}

std::string Win32SystemFacts::EnableDcom() {
    // The DCOM service is the system's own, 64-bit on 64-bit Windows: it reads that view.
    for (const RegistryValue& value :
         registry_.MachineTextValues(RegistryView::Bits64, "SOFTWARE\\Microsoft\\Ole")) {
        if (ToLowerAscii(value.name) == "enabledcom") {
            return value.data;
        }
    }
    return {};
}

}  // namespace sentrel
