#include "app/unattended_mode_win32.h"

#include <windows.h>

#include <shellapi.h>

#include <exception>

#include "app/unattended_mode.h"
#include "base/clock_win32.h"
#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "log/text_file_writer_win32.h"
#include "worm/file_system_win32.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"
#include "worm/socket_table_win32.h"
#include "worm/system_facts_win32.h"
#include "worm/worm_mutex_win32.h"

namespace sentrel {

namespace {

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

std::string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) != FALSE ? WideToUtf8(std::wstring_view(name, length))
                                                    : std::string();
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
    record.time = SystemClock().Now();
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
        const FileWriteResult logged =
            Win32TextFileWriter().AppendToFile(line.logFile, JsonLine(record) + "\r\n");
        if (!logged.written) {
            console.Write("The log " + line.logFile +
                          " could not be written: " + logged.errorDescription + "\r\n");
            return kExitError;
        }
    }
    return record.exit;
}

}  // namespace sentrel
