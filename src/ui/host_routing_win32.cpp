#include "ui/host_routing_win32.h"

namespace sentrel {

namespace {

constexpr const wchar_t* kHostProperty = L"Sentrel.ControlHost";

// Tool tips of a toolbar are owned by it and report as themselves: their owner is the control.
ControlHost* HostOfSenderOrOwner(HWND sender) {
    if (ControlHost* host = HostOf(sender)) {
        return host;
    }
    HWND owner = GetWindow(sender, GW_OWNER);
    return owner != nullptr ? HostOf(owner) : nullptr;
}

}  // namespace

void AttachHost(HWND window, ControlHost* host) {
    if (window != nullptr) {
        SetPropW(window, kHostProperty, host);
    }
}

void DetachHost(HWND window) {
    if (window != nullptr) {
        RemovePropW(window, kHostProperty);
    }
}

ControlHost* HostOf(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    return static_cast<ControlHost*>(GetPropW(window, kHostProperty));
}

bool RouteToChildHost(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (ControlHost* host = HostOf(reinterpret_cast<HWND>(lParam))) {
                result = 0;
                return host->OnCommandId(LOWORD(wParam), HIWORD(wParam));
            }
            return false;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            ControlHost* host = header != nullptr ? HostOfSenderOrOwner(header->hwndFrom) : nullptr;
            result = 0;
            return host != nullptr && host->OnNotify(header, result);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (ControlHost* host = HostOf(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = host->OnCtlColor(reinterpret_cast<HDC>(wParam))) {
                    result = reinterpret_cast<LRESULT>(brush);
                    return true;
                }
            }
            return false;
        default:
            return false;
    }
}

}  // namespace sentrel
