#pragma once
// What every control host with a real child window shares: creating the window at the model's
// place, and mirroring the state of the Control base (bounds, visible, enabled, z-order, text).
#include <string>

#include "base/handles_win32.h"
#include "ui/host_win32.h"

namespace sentrel {

class WindowHost : public ControlHost {
public:
    HWND Window() const override { return window_.Get(); }

protected:
    WindowHost(Control& model, const HostContext& context) : model_(model), context_(context) {}

    // Creates the child window with the control's identifier, the window's font and the model's
    // bounds; `param` reaches WM_NCCREATE.
    void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text,
                     void* param = nullptr);
    // Bounds, visibility, enabled state and ZOrder requests, each applied only when changed.
    void MirrorPlacement();
    // `visible` overrides the model's Visible (a page shows only while in front).
    void MirrorPlacement(bool visible);
    // The window text, which is also what WM_GETTEXT answers.
    void MirrorText(const std::string& text);
    RECT PixelBounds() const;
    int Pixels(int twips) const { return TwipsToPixels(twips, context_.dpi); }
    int Twips(int pixels) const { return MulDiv(pixels, 1440, context_.dpi); }

    Control& model_;
    HostContext context_;
    UniqueWindow window_;

private:
    Bounds appliedBounds_;
    int appliedVisible_ = -1;
    int appliedEnabled_ = -1;
    unsigned zOrderSeen_ = 0;
    std::string appliedText_;
};

// The shift state (kShiftKey, kCtrlKey, kAltKey) of the keyboard now.
int CurrentShiftState();

}  // namespace sentrel
