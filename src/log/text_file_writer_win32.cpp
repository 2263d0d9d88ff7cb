#include "log/text_file_writer_win32.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

FileWriteResult Failure(DWORD error) {
    return {false, SystemErrorDescription(error)};
}

// The folder part of a path, with its trailing separator; "." for a bare name.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
}

// Deletes the temporary file unless it was moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            DeleteFileW(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const wchar_t* Path() const { return path_.c_str(); }
    void Keep() { path_.clear(); }

private:
    std::wstring path_;
};

struct TargetAccess {
    DWORD error = ERROR_SUCCESS;  // why the target may not be written, or 0
    bool replaceable = true;      // whether a rename may take its place
};

// Asked as the system asks before writing a file: a read-only file, a folder or a file another
// program holds gives its error code; a target that does not exist yet gives 0. A rename alone
// would replace all of those. The read-only attribute is tested by itself as well, since an
// administrator's open for writing passes on some file systems. A file the user may not delete,
// or that another program holds without sharing its deletion, is written but not replaced.
TargetAccess CheckTarget(const std::wstring& target) {
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

// Writes the bytes as the whole file, cutting off what was beyond them, and flushes them to the
// disk; the error code, or 0.
DWORD WriteWholeAndFlush(const wchar_t* path, DWORD shareMode, DWORD disposition,
                         const std::string& bytes) {
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, shareMode, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
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
        done += written;
    }
    if (!SetEndOfFile(file.Get()) || !FlushFileBuffers(file.Get())) {
        return GetLastError();
    }
    return ERROR_SUCCESS;
}

// The bytes go to a temporary file beside the target, which replaces the target only once it is
// whole on the disk. False where that fails (a folder that takes no new files, a path too long
// for a temporary's name, a target held open without sharing its deletion): the temporary is
// gone then and the target as it was.
bool ReplaceThroughTemporary(const std::wstring& target, const std::string& bytes) {
    wchar_t temporaryName[MAX_PATH] = {};
    if (GetTempFileNameW(FolderOf(target).c_str(), L"snt", 0, temporaryName) == 0) {
        return false;
    }
    TemporaryFile temporary(temporaryName);
    if (WriteWholeAndFlush(temporary.Path(), 0, OPEN_EXISTING, bytes) != ERROR_SUCCESS) {
        return false;
    }
    // ReplaceFileW keeps the target's attributes and permissions, but needs a target.
    const bool replaced =
        GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES
            ? ReplaceFileW(target.c_str(), temporary.Path(), nullptr, 0, nullptr, nullptr) != 0
            : MoveFileExW(temporary.Path(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (replaced) {
        temporary.Keep();
    }
    return replaced;
}

// Nothing when the system refuses the conversion, with the reason in GetLastError.
std::optional<std::string> WideToAnsi(const std::wstring& wide, DWORD flags) {
    if (wide.empty()) {
        return std::string();
    }
    const int n = WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    if (n == 0) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

// The text in the ANSI code page. No look-alikes: what the code page cannot hold is written as
// its default character. A UTF-8 system code page holds everything and refuses the flag.
std::optional<std::string> ToAnsiCodePage(std::string_view utf8Text) {
    const std::wstring wide = Utf8ToWide(utf8Text);
    if (auto ansi = WideToAnsi(wide, WC_NO_BEST_FIT_CHARS)) {
        return ansi;
    }
    return WideToAnsi(wide, 0);
}

}  // namespace

// Where the replace fails, the target is overwritten in place, as a plain save would: only a
// failed overwrite is reported.
FileWriteResult Win32TextFileWriter::WriteWholeFile(const std::string& path,
                                                    const std::string& utf8Text) {
    const std::wstring target = Utf8ToWide(path);
    const TargetAccess access = CheckTarget(target);
    if (access.error != ERROR_SUCCESS) {
        return Failure(access.error);
    }
    const std::optional<std::string> bytes = ToAnsiCodePage(utf8Text);
    if (!bytes) {
        return Failure(GetLastError());
    }
    if (access.replaceable && ReplaceThroughTemporary(target, *bytes)) {
        return {true, {}};
    }
    if (const DWORD error = WriteWholeAndFlush(target.c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               OPEN_ALWAYS, *bytes)) {
        return Failure(error);
    }
    return {true, {}};
}

bool Win32TextFileWriter::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace sentrel
