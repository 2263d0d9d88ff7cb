#pragma once
// Keeping the main window above all others.
#include "ui/form.h"

namespace sentrel {

// The window's host mirrors the model with SetWindowPos (HWND_TOPMOST or HWND_NOTOPMOST, no
// move, no size).
inline void SetTopmost(Form& window, bool topmost) {
    window.SetTopmost(topmost);
}

}  // namespace sentrel
