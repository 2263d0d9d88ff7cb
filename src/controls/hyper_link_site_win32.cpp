#include "controls/hyper_link_site_win32.h"

#include <shellapi.h>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

std::string Win32HyperLinkSite::AppPath() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return "";
    }
    // A drive root keeps its backslash ("C:\"), as the application's Path has it.
    path.resize(slash == 2 && path[1] == L':' ? slash + 1 : slash);
    return WideToUtf8(path);
}

bool Win32HyperLinkSite::ParentHasMinimiseButton() {
    HWND parent = Parent();
    return parent != nullptr && (GetWindowLongPtrW(parent, GWL_STYLE) & WS_MINIMIZEBOX) != 0;
}

void Win32HyperLinkSite::MinimiseParent() {
    ShowWindow(Parent(), SW_MINIMIZE);
}

void Win32HyperLinkSite::UnloadParent() {
    PostMessageW(Parent(), WM_CLOSE, 0, 0);
}

void Win32HyperLinkSite::ShellExe(const std::string& file, const std::string& parameters,
                                  std::uintptr_t ownerWindow, int showCommand,
                                  const std::string& directory) {
    const std::wstring wideFile = Utf8ToWide(file);
    const std::wstring wideParameters = Utf8ToWide(parameters);
    const std::wstring wideDirectory = Utf8ToWide(directory);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = reinterpret_cast<HWND>(ownerWindow);
    info.lpVerb = L"open";
    info.lpFile = wideFile.c_str();
    info.lpParameters = wideParameters.c_str();
    info.lpDirectory = wideDirectory.empty() ? nullptr : wideDirectory.c_str();
    info.nShow = showCommand;
    if (!ShellExecuteExW(&info)) {
        MessageBoxW(nullptr, Utf8ToWide(kShellExeFailure).c_str(),
                    Utf8ToWide(kShellExeTitle).c_str(), MB_OK | MB_ICONHAND);
        return;
    }
    // The started process is not watched.
    UniqueHandle process(info.hProcess);
}

}  // namespace sentrel
