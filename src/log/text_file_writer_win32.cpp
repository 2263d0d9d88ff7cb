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

// Whether an existing target may be replaced, asked as the system asks before writing a file:
// a read-only file, a folder or a file another program holds gives its error code; a target
// that does not exist yet gives 0. A rename alone would replace all of those. The read-only
// attribute is tested by itself as well, since an administrator's open for writing passes on
// some file systems.
DWORD TargetWritable(const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
    }
    if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    UniqueHandle file(CreateFileW(target.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? ERROR_SUCCESS : GetLastError();
}

// Writes the bytes as the whole file and flushes them to the disk; the error code, or 0.
DWORD WriteAndFlush(const wchar_t* path, const std::string& bytes) {
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
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
    if (!FlushFileBuffers(file.Get())) {
        return GetLastError();
    }
    return ERROR_SUCCESS;
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

// The new content goes to a temporary file beside the target, which replaces the target only
// once it is whole on the disk: a failure leaves the old file as it was.
FileWriteResult Win32TextFileWriter::WriteWholeFile(const std::string& path,
                                                    const std::string& utf8Text) {
    const std::wstring target = Utf8ToWide(path);
    if (const DWORD error = TargetWritable(target)) {
        return Failure(error);
    }
    const std::optional<std::string> bytes = ToAnsiCodePage(utf8Text);
    if (!bytes) {
        return Failure(GetLastError());
    }
    wchar_t temporaryName[MAX_PATH] = {};
    if (GetTempFileNameW(FolderOf(target).c_str(), L"snt", 0, temporaryName) == 0) {
        return Failure(GetLastError());
    }
    TemporaryFile temporary(temporaryName);
    if (const DWORD error = WriteAndFlush(temporary.Path(), *bytes)) {
        return Failure(error);
    }
    if (!MoveFileExW(temporary.Path(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return Failure(GetLastError());
    }
    temporary.Keep();
    return {true, {}};
}

bool Win32TextFileWriter::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace sentrel
