#include "controls/hyper_link_host_win32.h"

#include <windowsx.h>

#include "base/text_win32.h"
#include "controls/xp_hosts_win32.h"

namespace sentrel {

namespace {

constexpr const wchar_t* kClassName = L"SentrelHyperLink";

}  // namespace

HyperLinkHost::HyperLinkHost(HyperLink& model, const HostContext& context)
    : XpHostBase(model, context), link_(model), pointer_(nullptr) {
    // Double clicks are their own message, so a double click opens the address once.
    CreateOwnWindow(kClassName, CS_DBLCLKS, LoadCursorW(nullptr, IDC_HAND),
                    WS_TABSTOP | WS_CLIPSIBLINGS | (model.Visible() ? WS_VISIBLE : 0), 0);
    pointer_ = WindowPointerSource(Window());
    link_.SetPointerSource(&pointer_);
    link_.SetTextMeasure(MeasureFunction());
    RunTimer(link_.tmrMouseOut);
    Mirror();
}

HyperLinkHost::~HyperLinkHost() {
    link_.SetPointerSource(nullptr);
    link_.SetTextMeasure(nullptr);
}

void HyperLinkHost::Mirror() {
    if (!window_) {
        return;
    }
    link_.ApplyResizeRule();
    MirrorPlacement();
    MirrorWindowText(link_.LabelCaption());
    InvalidateRect(Window(), nullptr, FALSE);
}

HBRUSH HyperLinkHost::ParentBackground(HDC dc) {
    // The page behind the link decides its background, as it does for its labels.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(Window()), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(Window())));
    return brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void HyperLinkHost::OnPaint(HDC target) {
    RECT client{};
    GetClientRect(Window(), &client);
    BackBuffer buffer(target, client);
    HDC dc = buffer.Dc();
    FillRect(dc, &client, ParentBackground(dc));
    ScopedSelectObject font(dc, FontFor(link_.LabelFont()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(link_.LabelColour()));
    DrawMeasuredText(dc, link_.LabelCaption(), TwipsToPixels(HyperLink::kLabelLeftTwips, Dpi()),
                     -TwipsToPixels(-HyperLink::kLabelTopTwips, Dpi()));
    if (GetFocus() == Window()) {
        DrawFocusRect(dc, &client);
    }
}

void HyperLinkHost::Click() {
    link_.HandleClick();
}

LRESULT HyperLinkHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            link_.HandleLabelMouseMove();
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Window());
            return 0;
        case WM_LBUTTONUP: {
            if (GetCapture() == Window()) {
                ReleaseCapture();
            }
            RECT client{};
            GetClientRect(Window(), &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (std::exchange(pressed_, false) && PtInRect(&client, at)) {
                Click();
            }
            return 0;
        }
        // From the keyboard the link opens like a link in a page: Enter or the space bar, once
        // per press (a held key's repeats have the previous-state bit set).
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                if ((lParam & (1L << 30)) == 0) {
                    Click();
                }
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_GETDLGCODE:
            return lParam != 0 && reinterpret_cast<MSG*>(lParam)->message == WM_KEYDOWN &&
                           reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN
                       ? DLGC_WANTMESSAGE
                       : 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(Window(), nullptr, FALSE);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

std::unique_ptr<ControlHost> CreateHyperLinkHost(HyperLink& model, const HostContext& context) {
    return std::make_unique<HyperLinkHost>(model, context);
}

}  // namespace sentrel
