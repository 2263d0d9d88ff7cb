#pragma once
// The tool tips of the window's controls (a control model's ToolTipText), in one tool tip
// window that watches the mouse over each control itself.
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "base/handles_win32.h"

namespace sentrel {

class ControlToolTips {
public:
    void Create(HWND owner, HINSTANCE instance);
    // Shows `text` over the control's window; an empty text removes its tip.
    void Set(HWND control, const std::string& text);
    HWND Window() const { return window_.Get(); }

private:
    TTTOOLINFOW ToolOf(HWND control, wchar_t* text) const;

    UniqueWindow window_;
    std::map<HWND, std::wstring> texts_;
};

}  // namespace sentrel
