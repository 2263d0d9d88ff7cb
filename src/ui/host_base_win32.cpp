#include "ui/host_base_win32.h"

#include <stdexcept>

#include "base/text_win32.h"

namespace sentrel {

void WindowHost::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle,
                             const std::string& text, void* param) {
    const RECT r = PixelBounds();
    const DWORD visible = model_.Visible() ? WS_VISIBLE : 0;
    const DWORD disabled = model_.Enabled() ? 0 : WS_DISABLED;
    HWND window = CreateWindowExW(exStyle, className, Utf8ToWide(text).c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS | style | visible | disabled, r.left,
                                  r.top, r.right - r.left, r.bottom - r.top, context_.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(context_.controlId)),
                                  context_.instance, param);
    if (window == nullptr) {
        throw std::runtime_error("cannot create the window of " + model_.Name() + ": " +
                                 SystemErrorDescription(GetLastError()));
    }
    window_.Reset(window);
    if (context_.font != nullptr) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(context_.font), FALSE);
    }
    appliedBounds_ = model_.GetBounds();
    appliedVisible_ = model_.Visible() ? 1 : 0;
    appliedEnabled_ = model_.Enabled() ? 1 : 0;
    zOrderSeen_ = model_.ZOrderRequests();
    appliedText_ = text;
}

RECT WindowHost::PixelBounds() const {
    const Bounds& b = model_.GetBounds();
    return RECT{Pixels(b.left), Pixels(b.top), Pixels(b.left + b.width), Pixels(b.top + b.height)};
}

void WindowHost::MirrorPlacement() {
    MirrorPlacement(model_.Visible());
}

void WindowHost::MirrorPlacement(bool visible) {
    HWND window = window_.Get();
    if (window == nullptr) {
        return;
    }
    if (model_.GetBounds() != appliedBounds_) {
        appliedBounds_ = model_.GetBounds();
        const RECT r = PixelBounds();
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (model_.ZOrderRequests() != zOrderSeen_) {
        zOrderSeen_ = model_.ZOrderRequests();
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if ((visible ? 1 : 0) != appliedVisible_) {
        appliedVisible_ = visible ? 1 : 0;
        ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
    }
    if ((model_.Enabled() ? 1 : 0) != appliedEnabled_) {
        appliedEnabled_ = model_.Enabled() ? 1 : 0;
        EnableWindow(window, model_.Enabled() ? TRUE : FALSE);
    }
}

void WindowHost::MirrorText(const std::string& text) {
    if (window_ && text != appliedText_) {
        appliedText_ = text;
        SetWindowTextW(window_.Get(), Utf8ToWide(text).c_str());
    }
}

int CurrentShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        shift |= kShiftKey;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        shift |= kCtrlKey;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= kAltKey;
    }
    return shift;
}

}  // namespace sentrel
