#include "log/file_operations_win32.h"

#include <windows.h>

#include <algorithm>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

// The folder part of a path, with its trailing separator; "." for a bare name.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
}

FileCallError ErrorOf(BOOL succeeded) {
    return succeeded != FALSE ? ERROR_SUCCESS : GetLastError();
}

}  // namespace

// Asked as the system asks before writing a file: a read-only file, a folder or a file another
// program holds gives its error code; a target that does not exist yet gives 0. A rename alone
// would replace all of those. The read-only attribute is tested by itself as well, since an
// administrator's open for writing passes on some file systems. A file the user may not delete,
// or that another program holds without sharing its deletion, is written but not replaced.
TargetAccess Win32FileOperations::CheckTarget(const std::string& path) {
    const std::wstring target = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return {error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error};
    }
    if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return {ERROR_ACCESS_DENIED, false};
    }
    const DWORD attempts[] = {GENERIC_WRITE | DELETE, GENERIC_WRITE};
    for (const DWORD access : attempts) {
        UniqueHandle file(CreateFileW(target.c_str(), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            return {ERROR_SUCCESS, (access & DELETE) != 0};
        }
    }
    return {GetLastError(), false};
}

std::string Win32FileOperations::CreateTemporaryBeside(const std::string& target) {
    wchar_t name[MAX_PATH] = {};
    if (GetTempFileNameW(FolderOf(Utf8ToWide(target)).c_str(), L"snt", 0, name) == 0) {
        return {};
    }
    return WideToUtf8(name);
}

// Cuts off what was beyond the bytes and flushes them to the disk.
FileCallError Win32FileOperations::WriteWhole(const std::string& path, const std::string& bytes,
                                              bool inPlace) {
    UniqueHandle file(CreateFileW(
        Utf8ToWide(path).c_str(), GENERIC_WRITE, inPlace ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0,
        nullptr, inPlace ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return GetLastError();
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr)) {
            return GetLastError();
        }
        if (written == 0) {
            return ERROR_DISK_FULL;
        }
        done += written;
    }
    return ErrorOf(SetEndOfFile(file.Get()) && FlushFileBuffers(file.Get()));
}

bool Win32FileOperations::Exists(const std::string& path) {
    return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileCallError Win32FileOperations::Replace(const std::string& target,
                                           const std::string& replacement) {
    return ErrorOf(ReplaceFileW(Utf8ToWide(target).c_str(), Utf8ToWide(replacement).c_str(),
                                nullptr, 0, nullptr, nullptr));
}

FileCallError Win32FileOperations::Move(const std::string& from, const std::string& to) {
    return ErrorOf(
        MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), MOVEFILE_WRITE_THROUGH));
}

void Win32FileOperations::Delete(const std::string& path) {
    DeleteFileW(Utf8ToWide(path).c_str());
}

std::string Win32FileOperations::Describe(FileCallError error) {
    return SystemErrorDescription(error);
}

}  // namespace sentrel
