#pragma once
// Controls report to their parent window; the parent hands each report to the host of the
// control that sent it. A host is found from its window through a window property.
#include <windows.h>

#include "ui/host_win32.h"

namespace sentrel {

void AttachHost(HWND window, ControlHost* host);
void DetachHost(HWND window);
ControlHost* HostOf(HWND window);

// WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* for the host of the sending control. True when a host
// handled the message; `result` is then the message's result.
bool RouteToChildHost(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace sentrel
