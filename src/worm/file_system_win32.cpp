#include "worm/file_system_win32.h"

#include <windows.h>

#include "base/system_folder_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

FileError ErrorKind(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileError::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileError::AccessDenied;
        default:
            return FileError::Other;
    }
}

FileResult ResultOf(DWORD error) {
    if (error == ERROR_SUCCESS) {
        return {};
    }
    return {ErrorKind(error), SystemErrorDescription(error)};
}

// The worm's files are looked for in System32 and SysWOW64 by those names, on 64-bit Windows as
// well: each file call runs with the real System32 in view, and nothing else does.
FileResult Change(const std::string& path, BOOL (*change)(const wchar_t*)) {
    const std::wstring widePath = Utf8ToWide(path);
    DWORD error = ERROR_SUCCESS;
    {
        const RealSystemFolderView view;
        if (change(widePath.c_str()) == FALSE) {
            error = GetLastError();
        }
    }
    return ResultOf(error);
}

DWORD AttributesOf(const std::string& path) {
    const std::wstring widePath = Utf8ToWide(path);
    const RealSystemFolderView view;
    return GetFileAttributesW(widePath.c_str());
}

}  // namespace

std::string Win32FileSystem::WindowsFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return WideToUtf8(std::wstring_view(buffer, length));
}

bool Win32FileSystem::NormalFileExists(const std::string& path) {
    // A lookup for normal files passes over hidden and system files and over folders.
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileResult Win32FileSystem::SetNormalAttributes(const std::string& path) {
    return Change(path, [](const wchar_t* widePath) {
        return SetFileAttributesW(widePath, FILE_ATTRIBUTE_NORMAL);
    });
}

FileResult Win32FileSystem::RemoveFile(const std::string& path) {
    return Change(path, [](const wchar_t* widePath) { return DeleteFileW(widePath); });
}

}  // namespace sentrel
