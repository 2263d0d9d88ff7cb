#include "shell/shell_opener_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

bool ShellExecuteOpener::Open(const ShellOpenRequest& request) {
    const std::wstring file = Utf8ToWide(request.file);
    const std::wstring parameters = Utf8ToWide(request.parameters);
    const std::wstring directory = Utf8ToWide(request.directory);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // The program reports a failure in its own box; the shell is not to show one as well.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = reinterpret_cast<HWND>(request.ownerWindow);
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = request.showCommand;
    if (!ShellExecuteExW(&info)) {
        return false;
    }
    // The program has no use for the process it may have started.
    UniqueHandle process(info.hProcess);
    return true;
}

}  // namespace sentrel
