// The check box's window: the state picture and the caption painted from the model, the mouse
// and keys turned into its inputs, the hover timer run as a window timer.
#include <oleacc.h>
#include <windowsx.h>

#include <memory>
#include <utility>

#include "base/text_win32.h"
#include "controls/check_box_pictures.h"
#include "controls/high_contrast.h"
#include "controls/qel_check_box_xp.h"
#include "controls/xp_host_base_win32.h"
#include "controls/xp_hosts_win32.h"

namespace sentrel {

class QelCheckBoxXPHost : public XpHostBase {
public:
    QelCheckBoxXPHost(QelCheckBoxXP& model, const HostContext& context);
    ~QelCheckBoxXPHost() override;

    void Mirror() override;
    AccessibleFacts Describe() override;

private:
    void OnDefaultAction() override { box_.UserClick(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    // The box drawn in the user's colours under high contrast: an outline and a tick.
    void PaintHighContrastBox(HDC dc, const XpColours& colours, int top);
    LRESULT OnButtonDown(int button, LPARAM lParam, bool doubleClick);
    LRESULT OnButtonUp(int button, LPARAM lParam);
    void OnCaptureLost();
    RECT CaptionRect();

    QelCheckBoxXP& box_;
    WindowPointerSource pointer_;
    // The left button went down on the box with a single click (not a double click's second).
    bool clickPending_ = false;
};

}  // namespace sentrel

namespace sentrel {

namespace {

constexpr const wchar_t* kCheckBoxClass = L"SentrelXpCheckBox";

void DrawPicture(HDC dc, int index, int x, int y) {
    const CheckBoxPixels pixels = CheckBoxPicture(index);
    DWORD bits[kCheckBoxPictureSize * kCheckBoxPictureSize];
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Colour c = pixels[i];
        bits[i] = static_cast<DWORD>(RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c));
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kCheckBoxPictureSize;
    info.bmiHeader.biHeight = -kCheckBoxPictureSize;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, kCheckBoxPictureSize, kCheckBoxPictureSize, 0, 0, 0,
                      kCheckBoxPictureSize, bits, &info, DIB_RGB_COLORS);
}

}  // namespace

QelCheckBoxXPHost::QelCheckBoxXPHost(QelCheckBoxXP& model, const HostContext& context)
    : XpHostBase(model, context), box_(model), pointer_(nullptr) {
    CreateOwnWindow(kCheckBoxClass, CS_DBLCLKS, nullptr, WS_TABSTOP | WS_CLIPSIBLINGS, 0);
    pointer_ = WindowPointerSource(Window());
    box_.SetPointerSource(&pointer_);
    box_.SetTextMeasure(MeasureFunction());
    RunTimer(box_.tmrHover);
    Mirror();
}

QelCheckBoxXPHost::~QelCheckBoxXPHost() {
    box_.SetPointerSource(nullptr);
    box_.SetTextMeasure(nullptr);
}

void QelCheckBoxXPHost::Mirror() {
    if (!window_) {
        return;
    }
    MirrorPlacement();
    MirrorWindowText(box_.Caption());
    InvalidateRect(Window(), nullptr, FALSE);
    AnnounceChanges();
}

AccessibleFacts QelCheckBoxXPHost::Describe() {
    const int p = box_.Picture();
    const bool hot = p == kPicUncheckedHover || p == kPicCheckedHover;
    const long state = STATE_SYSTEM_FOCUSABLE | (box_.Value() == 1 ? STATE_SYSTEM_CHECKED : 0) |
                       (GetFocus() == Window() ? STATE_SYSTEM_FOCUSED : 0) |
                       (hot ? STATE_SYSTEM_HOTTRACKED : 0) |
                       (box_.Enabled() ? 0 : STATE_SYSTEM_UNAVAILABLE);
    return {ROLE_SYSTEM_CHECKBUTTON, box_.Caption(), state,
            std::string(box_.Value() == 1 ? "Uncheck" : "Check"), std::nullopt};
}

RECT QelCheckBoxXPHost::CaptionRect() {
    RECT client{};
    GetClientRect(Window(), &client);
    const TextExtent size = Measure(box_.Caption(), box_.GetFont());
    const int left = MulDiv(QelCheckBoxXP::kLabelLeft, Dpi(), 96);
    const int top = (client.bottom - size.height) / 2;
    return {left, top, left + size.width, top + size.height};
}

void QelCheckBoxXPHost::OnPaint(HDC target) {
    RECT client{};
    GetClientRect(Window(), &client);
    BackBuffer buffer(target, client);
    HDC dc = buffer.Dc();
    const bool highContrast = HighContrastOn();
    const XpColours colours = CheckBoxColours(box_, highContrast);
    UniqueGdiObject background(CreateSolidBrush(ToColorRef(colours.back)));
    FillRect(dc, &client, static_cast<HBRUSH>(background.Get()));
    const int boxTop = (client.bottom - kCheckBoxPictureSize) / 2;
    if (highContrast) {
        PaintHighContrastBox(dc, colours, boxTop);
    } else {
        DrawPicture(dc, box_.Picture(), 0, boxTop);
    }
    if (box_.Caption().empty()) {
        return;
    }
    ScopedSelectObject font(dc, FontFor(box_.GetFont()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colours.text));
    RECT caption = CaptionRect();
    DrawMeasuredText(dc, box_.Caption(), caption.left, caption.top);
    if (GetFocus() == Window()) {
        RECT focus = caption;
        InflateRect(&focus, 1, 0);
        focus.bottom = focus.bottom > client.bottom ? client.bottom : focus.bottom;
        if (highContrast) {
            UniqueGdiObject accent(CreateSolidBrush(ToColorRef(colours.accent)));
            FrameRect(dc, &focus, static_cast<HBRUSH>(accent.Get()));
        } else {
            DrawFocusRect(dc, &focus);
        }
    }
}

void QelCheckBoxXPHost::PaintHighContrastBox(HDC dc, const XpColours& colours, int top) {
    RECT box{0, top, kCheckBoxPictureSize, top + kCheckBoxPictureSize};
    UniqueGdiObject frame(CreateSolidBrush(ToColorRef(colours.frame)));
    FrameRect(dc, &box, static_cast<HBRUSH>(frame.Get()));
    if (box_.Value() != 1) {
        return;
    }
    UniqueGdiObject pen(CreatePen(PS_SOLID, 2, ToColorRef(colours.text)));
    ScopedSelectObject select(dc, pen.Get());
    const POINT tick[] = {{3, top + 6}, {5, top + 9}, {10, top + 3}};
    Polyline(dc, tick, 3);
}

LRESULT QelCheckBoxXPHost::OnButtonDown(int button, LPARAM lParam, bool doubleClick) {
    SetCapture(Window());
    if (button == 1) {
        SetFocus(Window());
        clickPending_ = !doubleClick;
    }
    if (doubleClick) {
        // The second press of a double click is the double click itself: no MouseDown, and
        // its release toggles nothing.
        return 0;
    }
    box_.HandleMouseDown(button, CurrentShiftState(), static_cast<float>(GET_X_LPARAM(lParam)),
                         static_cast<float>(GET_Y_LPARAM(lParam)));
    return 0;
}

LRESULT QelCheckBoxXPHost::OnButtonUp(int button, LPARAM lParam) {
    // Taken before the capture goes: giving it up ends the press (OnCaptureLost).
    const bool pending = button == 1 && std::exchange(clickPending_, false);
    if (GetCapture() == Window()) {
        ReleaseCapture();
    }
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    box_.HandleMouseUp(button, CurrentShiftState(), static_cast<float>(at.x),
                       static_cast<float>(at.y));
    RECT client{};
    GetClientRect(Window(), &client);
    if (pending) {
        if (PtInRect(&client, at)) {
            box_.UserClick();
        } else {
            // Released elsewhere: no click, back to the normal picture.
            box_.SetValue(box_.Value());
        }
    }
    return 0;
}

// Another window took the mouse mid-press (a box popped up): the press is over, and a release
// that comes later without it is no click.
void QelCheckBoxXPHost::OnCaptureLost() {
    if (std::exchange(clickPending_, false)) {
        box_.SetValue(box_.Value());
    }
}

LRESULT QelCheckBoxXPHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = ForwardKeysAndFocus(Window(), box_, message, wParam, lParam)) {
        return *handled;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            box_.HandleMouseMove(MouseButtonsOf(wParam), CurrentShiftState(),
                                 static_cast<float>(GET_X_LPARAM(lParam)),
                                 static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_LBUTTONDOWN:
            return OnButtonDown(1, lParam, false);
        case WM_LBUTTONDBLCLK:
            return OnButtonDown(1, lParam, true);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return OnButtonDown(2, lParam, false);
        case WM_LBUTTONUP:
            return OnButtonUp(1, lParam);
        case WM_RBUTTONUP:
            return OnButtonUp(2, lParam);
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Window()) {
                OnCaptureLost();
            }
            return 0;
        case WM_GETOBJECT:
            return AnswerGetObject(wParam, lParam);
        // The box takes Enter, Esc and the arrows too, so that its key events see them rather
        // than the window's dialog navigation; Tab still moves on.
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_WANTARROWS |
                   (AsksForEnterOrEscape(lParam) ? DLGC_WANTMESSAGE : 0);
        default:
            return Default(message, wParam, lParam);
    }
}

std::unique_ptr<ControlHost> CreateQelCheckBoxXPHost(QelCheckBoxXP& model,
                                                     const HostContext& context) {
    return std::make_unique<QelCheckBoxXPHost>(model, context);
}

}  // namespace sentrel
