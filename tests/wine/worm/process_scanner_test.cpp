// The process scanner against real processes: a stand-in program copied under the worm's names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "worm/process_scanner.h"
#include "worm/process_table_win32.h"

namespace sentrel::test {
namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// A temporary folder with copies of the stand-in under worm names; removed with its copies.
class StandInFolder {
public:
    StandInFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ =
            std::wstring(temp) + L"sentrel-worm-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~StandInFolder() {
        for (const std::wstring& copy : copies_) {
            DeleteFileW(copy.c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }
    StandInFolder(const StandInFolder&) = delete;
    StandInFolder& operator=(const StandInFolder&) = delete;

    // The path of the copy, or "" when the stand-in is missing.
    std::wstring Copy(const wchar_t* name) {
        const std::wstring target = folder_ + name;
        if (!CopyFileW((OwnFolder() + L"worm_standin.exe").c_str(), target.c_str(), FALSE)) {
            return {};
        }
        copies_.push_back(target);
        return target;
    }

private:
    std::wstring folder_;
    std::vector<std::wstring> copies_;
};

// A started stand-in; ended at the end of the test if the scanner has not ended it.
class StandInProcess {
public:
    explicit StandInProcess(const std::wstring& exe) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        std::wstring commandLine = L"\"" + exe + L"\"";
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                           DETACHED_PROCESS, nullptr, nullptr, &startup, &info)) {
            process_.Reset(info.hProcess);
            UniqueHandle thread(info.hThread);
        }
    }
    ~StandInProcess() {
        if (Running()) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), 5000);
        }
    }
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    bool Started() const { return process_.Valid(); }
    bool Running() const {
        return Started() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
    }
    // True when the process ends within the time.
    bool EndsWithin(DWORD ms) const {
        return Started() && WaitForSingleObject(process_.Get(), ms) == WAIT_OBJECT_0;
    }

private:
    UniqueHandle process_;
};

TEST(Win32ProcessTable, SeesAndEndsEveryStandInUnderTheWormsNames) {
    StandInFolder folder;
    const std::wstring teekids = folder.Copy(L"TEEKIDS.EXE");
    const std::wstring msblast = folder.Copy(L"msblast.exe");
    ASSERT_FALSE(teekids.empty()) << "worm_standin.exe is built beside the test";
    ASSERT_FALSE(msblast.empty());

    Win32ProcessTable table;
    EXPECT_FALSE(IsProcessRunning(table, "teekids.exe"));
    StandInProcess first(teekids);
    StandInProcess second(teekids);
    StandInProcess other(msblast);
    ASSERT_TRUE(first.Started() && second.Started() && other.Started());

    EXPECT_TRUE(IsProcessRunning(table, "teekids.exe"));
    EXPECT_TRUE(IsProcessRunning(table, "MSBLAST.EXE"));
    EXPECT_FALSE(IsProcessRunning(table, "penis32.exe"));

    KillProcess(table, "teekids.exe");
    EXPECT_TRUE(first.EndsWithin(5000));
    EXPECT_TRUE(second.EndsWithin(5000));
    EXPECT_TRUE(other.Running());
    EXPECT_FALSE(IsProcessRunning(table, "teekids.exe"));

    KillProcess(table, "msblast.exe");
    EXPECT_TRUE(other.EndsWithin(5000));
}

}  // namespace
}  // namespace sentrel::test
