#pragma once
// The running processes through the tool-help snapshot.
#include <windows.h>

#include <memory>

#include "base/system_functions_win32.h"
#include "worm/process_table.h"

namespace sentrel {

class Win32ProcessTable : public ProcessTable {
public:
    Win32ProcessTable();
    ~Win32ProcessTable() override;
    Win32ProcessTable(const Win32ProcessTable&) = delete;
    Win32ProcessTable& operator=(const Win32ProcessTable&) = delete;

    std::vector<ProcessEntry> Snapshot() override;
    std::unique_ptr<HeldProcess> Hold(std::uint32_t id, const std::string& expectedName) override;

private:
    std::string ImageName(HANDLE process) const;

    using QueryFullImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
    using GetImageFileName = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD);
    QueryFullImageName queryFullImageName_ = nullptr;  // Vista and later
    std::unique_ptr<SystemLibrary> psapi_;             // Windows XP only
    GetImageFileName getImageFileName_ = nullptr;
};

}  // namespace sentrel
