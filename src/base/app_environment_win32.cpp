#include "base/app_environment_win32.h"

#include <windows.h>

#include <vector>

#include "base/system_functions_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

std::string ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            return WideToUtf8(std::wstring_view(buffer.data(), n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string ExeNameOf(const std::string& modulePath) {
    const std::size_t slash = modulePath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

std::string FolderOf(const std::string& modulePath) {
    const std::size_t slash = modulePath.find_last_of("\\/");
    if (slash == std::string::npos) {
        return {};
    }
    std::string folder = modulePath.substr(0, slash);
    // A drive root keeps its backslash ("C:\").
    if (folder.size() == 2 && folder[1] == ':') {
        folder += '\\';
    }
    return folder;
}

std::string Win32AppEnvironment::ExeName() {
    return ExeNameOf(ModulePath());
}

std::string Win32AppEnvironment::Path() {
    return FolderOf(ModulePath());
}

// The version resource of the executable itself, read at run time.
VersionRecord Win32AppEnvironment::Version() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    // VerQueryValueW may write into the block, so it works on a copy.
    const DWORD size = SizeofResource(nullptr, found);
    std::vector<unsigned char> block(static_cast<const unsigned char*>(data),
                                     static_cast<const unsigned char*>(data) + size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    const SystemLibrary versionDll(L"version.dll");
    const auto query = versionDll.Function<decltype(&VerQueryValueW)>("VerQueryValueW");
    if (query == nullptr ||
        query(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) == FALSE ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    return VersionRecord{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                         LOWORD(info->dwFileVersionLS)};
}

}  // namespace sentrel
