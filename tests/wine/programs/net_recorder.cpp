// Stands in for NET in the listener's suite: writes its own command line, exactly as it was
// started, in UTF-8 to the file that SENTREL_NET_RECORD names, and its own path to that file's
// name followed by ".image"; then optionally stays running for SENTREL_NET_SLEEP_MS
// milliseconds, and ends with the exit code SENTREL_NET_EXIT_CODE (0 without it).
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(value, n) : std::wstring();
}

// The reader sees the whole text or nothing.
void WriteUtf8(const std::wstring& path, const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), n, nullptr, nullptr);
    const std::wstring partial = path + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

}  // namespace

int wmain() {
    const std::wstring path = Variable(L"SENTREL_NET_RECORD");
    if (!path.empty()) {
        wchar_t image[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, image, MAX_PATH);
        WriteUtf8(path + L".image", image);
        WriteUtf8(path, GetCommandLineW());
    }
    const std::wstring sleep = Variable(L"SENTREL_NET_SLEEP_MS");
    if (!sleep.empty()) {
        Sleep(static_cast<DWORD>(std::wcstoul(sleep.c_str(), nullptr, 10)));
    }
    return static_cast<int>(std::wcstoul(Variable(L"SENTREL_NET_EXIT_CODE").c_str(), nullptr, 10));
}
