#pragma once
// UTF-8 inside, UTF-16 at the Win32 boundary; the system's ANSI code page for files written.
#include <windows.h>

#include <string>
#include <string_view>

namespace sentrel {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// Text in the system's ANSI code page; characters it cannot hold become its default character.
std::string Utf8ToAnsi(std::string_view text);

// The system's description of an error code, without the trailing line break.
std::string SystemErrorDescription(DWORD error);

// The text of a window, as WM_GETTEXT gives it.
std::string WindowText(HWND window);

}  // namespace sentrel
