#include "worm/process_table_win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

std::vector<ProcessEntry> Win32ProcessTable::Snapshot() {
    std::vector<ProcessEntry> entries;
    // A snapshot that cannot be taken lists no process.
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return entries;
    }
    PROCESSENTRY32W record{};
    record.dwSize = sizeof(record);
    for (BOOL more = Process32FirstW(snapshot.Get(), &record); more;
         more = Process32NextW(snapshot.Get(), &record)) {
        const std::size_t length = wcsnlen(record.szExeFile, MAX_PATH);
        entries.push_back(
            {record.th32ProcessID, WideToUtf8(std::wstring_view(record.szExeFile, length))});
    }
    return entries;
}

bool Win32ProcessTable::Terminate(std::uint32_t id, std::uint32_t exitCode) {
    const UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    if (!process) {
        return false;
    }
    return TerminateProcess(process.Get(), exitCode) != FALSE;
}

}  // namespace sentrel
