#include "worm/process_table_win32.h"

#include <tlhelp32.h>

#include <cwchar>
#include <memory>
#include <utility>

#include "base/handles_win32.h"
#include "base/system_functions_win32.h"
#include "base/text_win32.h"
#include "worm/process_scanner.h"

namespace sentrel {

namespace {

// Defined by the headers only for Vista and later; XP refuses it.
constexpr DWORD kQueryLimitedInformation = 0x1000;
// A process being ended is normally gone within milliseconds; its file can be deleted after.
constexpr DWORD kEndWaitMs = 1000;

class Win32HeldProcess : public HeldProcess {
public:
    explicit Win32HeldProcess(UniqueHandle process) : process_(std::move(process)) {}

    bool Running() override { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

    bool End(std::uint32_t exitCode) override {
        if (TerminateProcess(process_.Get(), exitCode) == FALSE) {
            return false;
        }
        WaitForSingleObject(process_.Get(), kEndWaitMs);
        return true;
    }

private:
    UniqueHandle process_;
};

}  // namespace

Win32ProcessTable::Win32ProcessTable()
    : queryFullImageName_(SystemFunction<QueryFullImageName>(
          L"kernel32.dll", "QueryFullProcessImageNameW", kWindowsVista)) {
    if (queryFullImageName_ == nullptr) {
        psapi_ = std::make_unique<SystemLibrary>(L"psapi.dll");
        getImageFileName_ = psapi_->Function<GetImageFileName>("GetProcessImageFileNameW");
    }
}

Win32ProcessTable::~Win32ProcessTable() = default;

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

// The full path of the process's image; on XP a device path, whose file name is as good.
std::string Win32ProcessTable::ImageName(HANDLE process) const {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (queryFullImageName_ != nullptr) {
        if (queryFullImageName_(process, 0, path, &length) == FALSE) {
            return {};
        }
    } else if (getImageFileName_ != nullptr) {
        length = getImageFileName_(process, path, MAX_PATH * 2);
    } else {
        return {};
    }
    return WideToUtf8(std::wstring_view(path, length));
}

std::unique_ptr<HeldProcess> Win32ProcessTable::Hold(std::uint32_t id,
                                                     const std::string& expectedName) {
    const DWORD query =
        queryFullImageName_ != nullptr ? kQueryLimitedInformation : PROCESS_QUERY_INFORMATION;
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | query, FALSE, id));
    // An image that cannot be named is never taken for the expected one.
    if (!process || !ProcessNameMatches(ImageName(process.Get()), expectedName)) {
        return nullptr;
    }
    return std::make_unique<Win32HeldProcess>(std::move(process));
}

}  // namespace sentrel
