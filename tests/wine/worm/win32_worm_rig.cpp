#include "win32_worm_rig.h"

namespace sentrel::test {

std::wstring SystemSubfolder(const wchar_t* name) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows, length) + L"\\" + name + L"\\";
}

std::wstring RealSystem32() {
    return SystemSubfolder(RunsUnderWow64() ? L"Sysnative" : L"System32");
}

bool PathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TestFile::TestFile(std::wstring path, DWORD attributes) : path_(std::move(path)) {
    {
        // Never take over a file that was there before the test.
        const UniqueHandle file(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return;
        }
        const char content[] = "stand-in";
        DWORD written = 0;
        WriteFile(file.Get(), content, sizeof(content), &written, nullptr);
    }
    created = true;
    if (attributes != FILE_ATTRIBUTE_NORMAL) {
        SetFileAttributesW(path_.c_str(), attributes);
    }
}

TestFile::~TestFile() {
    if (created && PathExists(path_)) {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path_.c_str());
    }
}

}  // namespace sentrel::test
