#pragma once
// The recorder (tests/wine/programs/net_recorder.cpp) in the system folder as net.exe, for as
// long as this lives; the system's own net.exe is put back afterwards.
#include <windows.h>

#include <string>

#include "base/handles_win32.h"
#include "base/system_folder_win32.h"

namespace sentrel::test {

class SystemNetStandIn {
public:
    explicit SystemNetStandIn(const std::wstring& recorder)
        : path_(SystemFolderPath() + L"\\net.exe"), saved_(path_ + L".sentrel-saved") {
        MoveFileExW(path_.c_str(), saved_.c_str(), MOVEFILE_REPLACE_EXISTING);
        installed_ = CopyFileW(recorder.c_str(), path_.c_str(), FALSE) != 0;
        // Wine prefers its own built-in net.exe to a file of that name in the system folder.
        UniqueHkey overrides;
        RegCreateKeyExW(HKEY_CURRENT_USER, kWineOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        overrides.Put(), nullptr);
        RegSetValueExW(overrides.Get(), L"net.exe", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(L"native"), sizeof(L"native"));
    }
    ~SystemNetStandIn() {
        UniqueHkey overrides;
        RegOpenKeyExW(HKEY_CURRENT_USER, kWineOverrides, 0, KEY_SET_VALUE, overrides.Put());
        RegDeleteValueW(overrides.Get(), L"net.exe");
        // A copy that has just ended may hold the file for a moment.
        for (int i = 0;
             i < 50 && !MoveFileExW(saved_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
             ++i) {
            Sleep(100);
        }
    }
    SystemNetStandIn(const SystemNetStandIn&) = delete;
    SystemNetStandIn& operator=(const SystemNetStandIn&) = delete;

    bool Installed() const { return installed_; }
    const std::wstring& Path() const { return path_; }

private:
    static constexpr wchar_t kWineOverrides[] = L"Software\\Wine\\DllOverrides";

    std::wstring path_;
    std::wstring saved_;
    bool installed_ = false;
};

}  // namespace sentrel::test
