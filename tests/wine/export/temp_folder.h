#pragma once
// A folder of the test's own under the system's temporary folder, removed with all it holds.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/handles_win32.h"
#include "ui/text_win32.h"

namespace sentrel::test {

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(Handle h) { return h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
using UniqueFindHandle = UniqueResource<FindHandleTraits>;

class TempFolder {
  public:
    TempFolder() {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"sentrel-export-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::wstring& name : Names()) {
            const std::wstring file = path_ + L"\\" + name;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The UTF-8 path of a file in the folder.
    std::string File(const std::string& name) const { return WideToUtf8(path_) + "\\" + name; }

    // The names of the files in the folder, in the order the system lists them.
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        UniqueFindHandle search(FindFirstFileW((path_ + L"\\*").c_str(), &found));
        if (!search) {
            return names;
        }
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(name);
            }
        } while (FindNextFileW(search.Get(), &found));
        return names;
    }

  private:
    std::wstring path_;
};

// The bytes of a file as they are on the disk, or "<missing>".
inline std::string ReadBytes(const std::string& path) {
    UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    if (!file) {
        return "<missing>";
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

// Writes the bytes as they are, for a file that a test needs to exist beforehand.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
    UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace sentrel::test
