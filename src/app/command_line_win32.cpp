#include "app/command_line_win32.h"

#include <windows.h>

#include <shellapi.h>

#include <exception>

#include "app/command_line.h"
#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "worm/file_system_win32.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"
#include "worm/socket_table_win32.h"
#include "worm/system_facts_win32.h"
#include "worm/worm_mutex_win32.h"

namespace sentrel {

namespace {

// The log may sit on a share that other PCs append to at the same moment.
constexpr int kLogAttempts = 10;
constexpr DWORD kLogRetryMs = 200;

std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (argv == nullptr) {
        return args;
    }
    for (int i = 1; i < count; ++i) {
        args.push_back(WideToUtf8(argv[i]));
    }
    LocalFree(argv);
    return args;
}

// Where the summary goes: output handed down by the caller (a file or a pipe) as it is, else
// the console of the process that started the program, if it has one.
class Console {
public:
    explicit Console(bool quiet) {
        if (quiet) {
            return;
        }
        const HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
        const DWORD type = given == nullptr || given == INVALID_HANDLE_VALUE ? FILE_TYPE_UNKNOWN
                                                                             : GetFileType(given);
        if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
            redirected_ = given;
        } else if (AttachConsole(ATTACH_PARENT_PROCESS) != FALSE) {
            console_.Reset(CreateFileW(L"CONOUT$", GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       0, nullptr));
        }
    }

    void Write(const std::string& utf8) {
        DWORD written = 0;
        if (redirected_ != nullptr) {
            const std::string ansi = Utf8ToAnsi(utf8);
            WriteFile(redirected_, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
        } else if (console_) {
            const std::wstring wide = Utf8ToWide(utf8);
            WriteConsoleW(console_.Get(), wide.data(), static_cast<DWORD>(wide.size()), &written,
                          nullptr);
        }
    }

private:
    HANDLE redirected_ = nullptr;  // not ours to close
    UniqueHandle console_;
};

CalendarTime Now() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    TIME_ZONE_INFORMATION zone{};
    LONG bias = 0;  // minutes: UTC minus local time
    switch (GetTimeZoneInformation(&zone)) {
        case TIME_ZONE_ID_STANDARD:
            bias = zone.Bias + zone.StandardBias;
            break;
        case TIME_ZONE_ID_DAYLIGHT:
            bias = zone.Bias + zone.DaylightBias;
            break;
        case TIME_ZONE_ID_UNKNOWN:
            bias = zone.Bias;
            break;
        default:
            break;
    }
    return {local.wYear,   local.wMonth,           local.wDay, local.wHour, local.wMinute,
            local.wSecond, static_cast<int>(-bias)};
}

std::string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) != FALSE ? WideToUtf8(std::wstring_view(name, length))
                                                    : std::string();
}

// Appends one line in a single write, so that lines of runs on other PCs never interleave.
// "" when written, else the system's description of the failure.
std::string AppendLine(const std::string& path, const std::string& line) {
    const std::string text = Utf8ToAnsi(line) + "\r\n";
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < kLogAttempts; ++attempt) {
        const UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (file && WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written,
                              nullptr) != FALSE) {
            return {};
        }
        error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) {
            break;
        }
        Sleep(kLogRetryMs);
    }
    return SystemErrorDescription(error);
}

RunRecord Run(RunMode mode) {
    Win32ProcessTable processes;
    Win32FileSystem files;
    Win32Registry registry;
    Win32SocketTable sockets;
    Win32WormMutex wormMutex;  // never held here
    Win32SystemFacts systemFacts;
    WormServices services{processes, files, registry, sockets, wormMutex, systemFacts};
    RunRecord record;
    record.time = Now();
    record.computer = ComputerName();
    try {
        RunUnattended(mode, services, record);
    } catch (const std::exception& e) {
        record.errors.emplace_back(e.what());
        record.result = "error";
        record.exit = kExitError;
    }
    return record;
}

}  // namespace

std::optional<int> RunFromCommandLine() {
    const std::vector<std::string> args = Arguments();
    if (args.empty()) {
        return std::nullopt;
    }
    const CommandLine line = ParseCommandLine(args);
    Console console(line.quiet);
    if (line.mode == RunMode::Help) {
        console.Write(UsageText());
        return kExitNothingFound;
    }
    if (!line.error.empty()) {
        console.Write(line.error + "\r\n\r\n" + UsageText());
        return kExitError;
    }
    const RunRecord record = Run(line.mode);
    console.Write(Summary(record));
    if (!line.logFile.empty()) {
        if (const std::string error = AppendLine(line.logFile, JsonLine(record)); !error.empty()) {
            console.Write("The log " + line.logFile + " could not be written: " + error + "\r\n");
            return kExitError;
        }
    }
    return record.exit;
}

}  // namespace sentrel
