#pragma once
// The contract between the main window's Win32 host and the hosts of its controls: each control
// model gets one host that owns its real window, mirrors the model onto it, and turns the
// window's messages into the model's inputs.
#include <windows.h>

#include <functional>

#include "ui/control.h"

namespace sentrel {

struct HostContext {
    HWND parent = nullptr;  // the real window of the model's Parent()
    int controlId = 0;      // stable identifier of the control's window
    HFONT font = nullptr;   // the window's font (Tahoma 8.25 pt at the window's DPI)
    int dpi = 96;
    HINSTANCE instance = nullptr;
    // Asks for Mirror() within a frame; a model's observer does the same.
    std::function<void()> requestMirror;
};

inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

class ControlHost {
public:
    virtual ~ControlHost() = default;
    ControlHost() = default;
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    virtual HWND Window() const = 0;
    // The model changed: bring the real window in line with it.
    virtual void Mirror() = 0;
    // Messages that the parent reflects to the control whose window sent them. Return true
    // when handled (and set result where the message has one).
    virtual bool OnCommand(WORD /*notifyCode*/) { return false; }
    // WM_COMMAND with the sender's command identifier too (a toolbar reports its button's).
    virtual bool OnCommandId(WORD /*commandId*/, WORD notifyCode) { return OnCommand(notifyCode); }
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
    // WM_TIMER on the main window whose timer identifier is this control's identifier.
    virtual void OnTimer() {}
};

}  // namespace sentrel
