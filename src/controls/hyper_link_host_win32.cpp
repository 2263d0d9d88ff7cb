// The hyperlink's window: the label text in the link or highlight colour, the hand cursor,
// mouse-out polling on a window timer, and the click, which the link's site (the holding
// window's) carries out.
#include <oleacc.h>
#include <windowsx.h>

#include <memory>
#include <utility>

#include "base/text_win32.h"
#include "controls/high_contrast.h"
#include "controls/hyper_link.h"
#include "controls/xp_host_base_win32.h"
#include "controls/xp_hosts_win32.h"

namespace sentrel {

class HyperLinkHost : public XpHostBase {
public:
    HyperLinkHost(HyperLink& model, const HostContext& context);
    ~HyperLinkHost() override;

    void Mirror() override;
    AccessibleFacts Describe() override;

private:
    void OnDefaultAction() override { Click(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    HBRUSH ParentBackground(HDC dc);
    void Click();

    HyperLink& link_;
    WindowPointerSource pointer_;
    bool pressed_ = false;  // the left button went down on the link; the press is not over
};

}  // namespace sentrel

namespace sentrel {

namespace {

constexpr const wchar_t* kClassName = L"SentrelHyperLink";

}  // namespace

HyperLinkHost::HyperLinkHost(HyperLink& model, const HostContext& context)
    : XpHostBase(model, context), link_(model), pointer_(nullptr) {
    // Double clicks are their own message, so a double click opens the address once.
    CreateOwnWindow(kClassName, CS_DBLCLKS, LoadCursorW(nullptr, IDC_HAND),
                    WS_TABSTOP | WS_CLIPSIBLINGS, 0);
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
    MirrorPlacement();
    MirrorWindowText(link_.LabelCaption());
    InvalidateRect(Window(), nullptr, FALSE);
    AnnounceChanges();
}

AccessibleFacts HyperLinkHost::Describe() {
    const long state = STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE |
                       (GetFocus() == Window() ? STATE_SYSTEM_FOCUSED : 0) |
                       (link_.HoverTimerRunning() ? STATE_SYSTEM_HOTTRACKED : 0);
    const std::string address = link_.Site() != nullptr
                                    ? SubstituteAppFolder(link_.URL(), link_.Site()->AppPath())
                                    : link_.URL();
    return {ROLE_SYSTEM_LINK, link_.LabelCaption(), state, std::string("Jump"), address};
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
    const bool highContrast = HighContrastOn();
    const XpColours colours = LinkColours(link_, highContrast);
    SetTextColor(dc, ToColorRef(colours.text));
    DrawMeasuredText(dc, link_.LabelCaption(), TwipsToPixels(HyperLink::kLabelLeftTwips, Dpi()),
                     -TwipsToPixels(-HyperLink::kLabelTopTwips, Dpi()));
    if (highContrast && (GetFocus() == Window() || link_.HoverTimerRunning())) {
        UniqueGdiObject accent(CreateSolidBrush(ToColorRef(colours.accent)));
        FrameRect(dc, &client, static_cast<HBRUSH>(accent.Get()));
    } else if (GetFocus() == Window()) {
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
            // Taken before the capture goes: giving it up ends the press.
            const bool pressed = std::exchange(pressed_, false);
            if (GetCapture() == Window()) {
                ReleaseCapture();
            }
            RECT client{};
            GetClientRect(Window(), &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (pressed && PtInRect(&client, at)) {
                Click();
            }
            return 0;
        }
        // Another window took the mouse mid-press: a release that comes later opens nothing.
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Window()) {
                pressed_ = false;
            }
            return 0;
        case WM_GETOBJECT:
            return AnswerGetObject(wParam, lParam);
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
