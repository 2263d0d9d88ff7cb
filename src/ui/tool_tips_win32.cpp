#include "ui/tool_tips_win32.h"

#include <commctrl.h>

#include "base/text_win32.h"

namespace sentrel {

void ControlToolTips::Create(HWND owner, HINSTANCE instance) {
    window_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  instance, nullptr));
    if (window_) {
        // Long tips wrap instead of running off the screen.
        SendMessageW(window_.Get(), TTM_SETMAXTIPWIDTH, 0, 400);
    }
}

TTTOOLINFOW ControlToolTips::ToolOf(HWND control, wchar_t* text) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

void ControlToolTips::Set(HWND control, const std::string& text) {
    if (!window_ || control == nullptr) {
        return;
    }
    std::wstring wide = Utf8ToWide(text);
    const auto known = texts_.find(control);
    if (known != texts_.end() && known->second == wide) {
        return;
    }
    TTTOOLINFOW tool = ToolOf(control, wide.data());
    if (wide.empty()) {
        SendMessageW(window_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        texts_.erase(control);
        return;
    }
    const UINT message = known == texts_.end() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW;
    SendMessageW(window_.Get(), message, 0, reinterpret_cast<LPARAM>(&tool));
    texts_[control] = std::move(wide);
}

}  // namespace sentrel
