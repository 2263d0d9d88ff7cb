#include "log/text_file_writer_win32.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "log/file_operations_win32.h"

namespace sentrel {

namespace {

FileWriteResult Failure(DWORD error) {
    return {false, SystemErrorDescription(error)};
}

// A log on a share may be held by another PC appending to it at the same moment.
constexpr int kAppendAttempts = 10;
constexpr DWORD kAppendRetryMs = 200;

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

FileWriteResult Win32TextFileWriter::WriteWholeFile(const std::string& path,
                                                    const std::string& utf8Text) {
    const std::optional<std::string> bytes = ToAnsiCodePage(utf8Text);
    if (!bytes) {
        return Failure(GetLastError());
    }
    Win32FileOperations files;
    return ReplaceOrOverwrite(files, path, *bytes);
}

// Opened for appending only, shared with other writers: each write goes to the end of the file
// as it is at that moment.
FileWriteResult Win32TextFileWriter::AppendToFile(const std::string& path,
                                                  const std::string& utf8Text) {
    const std::optional<std::string> bytes = ToAnsiCodePage(utf8Text);
    if (!bytes) {
        return Failure(GetLastError());
    }
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < kAppendAttempts; ++attempt) {
        const UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (file && WriteFile(file.Get(), bytes->data(), static_cast<DWORD>(bytes->size()),
                              &written, nullptr) != FALSE) {
            return written == bytes->size() ? FileWriteResult{true, {}} : Failure(ERROR_DISK_FULL);
        }
        error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) {
            break;
        }
        Sleep(kAppendRetryMs);
    }
    return Failure(error);
}

bool Win32TextFileWriter::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace sentrel
