#include "listener/launcher_win32.h"

#include <algorithm>
#include <string>

#include "base/text_win32.h"

namespace sentrel {

LaunchResult HiddenLauncher::StartHidden(const std::string& commandLine) {
    PruneEnded();
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring mutableCommandLine = Utf8ToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, mutableCommandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        return {false, SystemErrorDescription(GetLastError())};
    }
    UniqueHandle thread(process.hThread);
    running_.emplace_back(process.hProcess);
    return {true, {}};
}

int HiddenLauncher::RunningCount() {
    PruneEnded();
    return static_cast<int>(running_.size());
}

void HiddenLauncher::PruneEnded() {
    std::erase_if(running_, [](const UniqueHandle& process) {
        return WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT;
    });
}

}  // namespace sentrel
