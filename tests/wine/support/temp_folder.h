#pragma once
// A folder of the test's own under the system's temporary folder, removed with all it holds.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/text_win32.h"

namespace sentrel::test {

class TempFolder {
public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("sentrel-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount64()) + "-" + std::to_string(++made))) {
        std::filesystem::create_directory(path_);
    }
    ~TempFolder() {
        for (const std::wstring& name : Names()) {
            SetFileAttributesW((path_ / name).c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The UTF-8 path of a file in the folder.
    std::string File(const std::string& name) const {
        return WideToUtf8(path_.wstring()) + "\\" + name;
    }
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().wstring());
        }
        return names;
    }

private:
    static inline int made = 0;  // two folders made within the same tick differ by this
    std::filesystem::path path_;
};

// The bytes of a file as they are on the disk.
inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(Utf8ToWide(path)), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace sentrel::test
