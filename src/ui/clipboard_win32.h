#pragma once
// Plain text on the clipboard, as the list's Ctrl+C and the text box's paste use it.
#include <windows.h>

#include <string>

namespace sentrel {

// Replaces the clipboard's contents with the text; false when the clipboard is busy.
bool SetClipboardText(HWND owner, const std::string& text);
// The clipboard's text, or "" when it holds none.
std::string ClipboardText(HWND owner);

}  // namespace sentrel
