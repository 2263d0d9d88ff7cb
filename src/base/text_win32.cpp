#include "base/text_win32.h"

#include <vector>

#include "base/format.h"

namespace sentrel {

std::wstring Utf8ToWide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string WideToUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string Utf8ToAnsi(std::string_view text) {
    const std::wstring wide = Utf8ToWide(text);
    if (wide.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string SystemErrorDescription(DWORD error) {
    // System messages are a line or two; a longer one falls back to the number.
    wchar_t buffer[512] = {};
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, buffer, 512, nullptr);
    return SystemMessageText(WideToUtf8(std::wstring_view(buffer, n)), error);
}

std::string WindowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(window, buffer.data(), n + 1);
    return WideToUtf8(buffer.data());
}

}  // namespace sentrel
