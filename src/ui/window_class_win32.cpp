#include "ui/window_class_win32.h"

#include <string>

#include "base/text_win32.h"

namespace sentrel {

void ReportWindowProcFailure(const char* what) noexcept {
    try {
        const std::wstring text = L"Sentrel: window procedure failed: " + Utf8ToWide(what) + L"\n";
        OutputDebugStringW(text.c_str());
    } catch (...) {
        OutputDebugStringW(L"Sentrel: window procedure failed\n");
    }
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure,
                         HCURSOR cursor, HICON icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing) != FALSE) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

}  // namespace sentrel
