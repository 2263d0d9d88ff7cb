// The XP text box's window: a white fill with the thin outline, and a real single-line EDIT
// inside whose keys pass through the model's filter.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "base/text_win32.h"
#include "controls/high_contrast.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xp_host_base_win32.h"
#include "controls/xp_hosts_win32.h"
#include "ui/clipboard_win32.h"

namespace sentrel {

class QelTextBoxXPHost : public XpHostBase {
public:
    QelTextBoxXPHost(QelTextBoxXP& model, const HostContext& context);
    ~QelTextBoxXPHost() override;

    void Mirror() override;
    // The inner edit box.
    HWND Edit() const { return edit_.Get(); }
    // For screen readers the edit box keeps the system's object, named after the frame around
    // the box.
    AccessibleFacts Describe() override;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    LRESULT OnCtlColorEdit(HDC dc);
    void MirrorEdit();
    std::string ShownText() const;
    LRESULT EditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void ForwardMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void Paste();
    static LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR data);

    QelTextBoxXP& box_;
    UniqueWindow edit_;
    UniqueGdiObject editBrush_;
    Colour editBrushColour_ = 0;
    unsigned appliedSelection_ = 0;
    std::pair<Colour, Colour> paintedColours_{Rgb(255, 255, 255), 0};
};

}  // namespace sentrel

namespace sentrel {

namespace {

constexpr const wchar_t* kTextBoxClass = L"SentrelXpTextBox";
constexpr UINT_PTR kSubclassId = 1;

DWORD AlignmentStyle(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right:
            return ES_RIGHT;
        case Alignment::Centre:
            return ES_CENTER;
        case Alignment::Left:
            break;
    }
    return ES_LEFT;
}

int PenStyleOf(long borderStyle) {
    switch (borderStyle) {
        case 0:
            return PS_NULL;
        case 2:
            return PS_DASH;
        case 3:
            return PS_DOT;
        case 4:
            return PS_DASHDOT;
        case 5:
            return PS_DASHDOTDOT;
        case 6:
            return PS_INSIDEFRAME;
        default:
            return PS_SOLID;
    }
}

// The edit box's object asks the host around it.
AccessibleSource* AccessibleSourceOfEdit(HWND edit) {
    return XpHostBase::AccessibleSourceOf(GetParent(edit));
}

}  // namespace

QelTextBoxXPHost::QelTextBoxXPHost(QelTextBoxXP& model, const HostContext& context)
    : XpHostBase(model, context), box_(model) {
    // The edit box inside takes part in the window's Tab order.
    CreateOwnWindow(kTextBoxClass, 0, nullptr, WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                    WS_EX_CONTROLPARENT);
    const Bounds inner = box_.InnerBox();
    edit_.Reset(CreateWindowExW(
        0, L"EDIT", Utf8ToWide(box_.Text()).c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | AlignmentStyle(box_.GetAlignment()),
        TwipsToPixels(inner.left, Dpi()), TwipsToPixels(inner.top, Dpi()),
        TwipsToPixels(inner.width, Dpi()), TwipsToPixels(inner.height, Dpi()), Window(), nullptr,
        Instance(), nullptr));
    box_.SetInnerWindow(reinterpret_cast<std::uintptr_t>(edit_.Get()));
    SetWindowSubclass(edit_.Get(), &QelTextBoxXPHost::EditProcedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    box_.FocusControl = [this](Control& target) { FocusControlWindow(Window(), target); };
    Mirror();
}

QelTextBoxXPHost::~QelTextBoxXPHost() {
    box_.FocusControl = nullptr;
    box_.SetInnerWindow(0);
    if (edit_) {
        RemoveWindowSubclass(edit_.Get(), &QelTextBoxXPHost::EditProcedure, kSubclassId);
        edit_.Reset();
    }
}

void QelTextBoxXPHost::Mirror() {
    if (!window_) {
        return;
    }
    box_.ApplyLayout();
    MirrorPlacement();
    MirrorWindowText(ShownText());
    MirrorEdit();
    InvalidateRect(Window(), nullptr, FALSE);
}

// The control's own window text is what any program can read from it: with a password
// character it is the text as the box shows it, one mask character for each.
std::string QelTextBoxXPHost::ShownText() const {
    const std::wstring mask = Utf8ToWide(box_.PasswordChar());
    if (mask.empty()) {
        return box_.Text();
    }
    return WideToUtf8(std::wstring(Utf8ToWide(box_.Text()).size(), mask[0]));
}

void QelTextBoxXPHost::MirrorEdit() {
    HWND edit = edit_.Get();
    const Bounds inner = box_.InnerBox();
    SetWindowPos(edit, nullptr, TwipsToPixels(inner.left, Dpi()), TwipsToPixels(inner.top, Dpi()),
                 TwipsToPixels(inner.width, Dpi()), TwipsToPixels(inner.height, Dpi()),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (WindowText(edit) != box_.Text()) {
        SetWindowTextW(edit, Utf8ToWide(box_.Text()).c_str());
    }
    const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
    const LONG_PTR aligned = (style & ~static_cast<LONG_PTR>(ES_LEFT | ES_CENTER | ES_RIGHT)) |
                             AlignmentStyle(box_.GetAlignment());
    if (aligned != style) {
        SetWindowLongPtrW(edit, GWL_STYLE, aligned);
        InvalidateRect(edit, nullptr, TRUE);
    }
    // Appearance 1 gives the inner box the sunken edge of a three-dimensional edit box.
    const LONG_PTR exStyle = GetWindowLongPtrW(edit, GWL_EXSTYLE);
    const LONG_PTR wantedExStyle = box_.Appearance() == 1
                                       ? (exStyle | WS_EX_CLIENTEDGE)
                                       : (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    if (wantedExStyle != exStyle) {
        SetWindowLongPtrW(edit, GWL_EXSTYLE, wantedExStyle);
        SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if ((IsWindowEnabled(edit) != FALSE) != box_.Enabled()) {
        EnableWindow(edit, box_.Enabled() ? TRUE : FALSE);
    }
    SendMessageW(edit, EM_SETREADONLY, box_.Locked() ? TRUE : FALSE, 0);
    SendMessageW(edit, EM_SETLIMITTEXT,
                 static_cast<WPARAM>(box_.MaxLength() > 0 ? box_.MaxLength() : 0), 0);
    const std::wstring password = Utf8ToWide(box_.PasswordChar());
    SendMessageW(edit, EM_SETPASSWORDCHAR, password.empty() ? 0 : password[0], 0);
    HFONT font = box_.GetFont() ? FontFor(*box_.GetFont()) : context_.font;
    if (font != nullptr && reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (appliedSelection_ != box_.SelectionRevision()) {
        appliedSelection_ = box_.SelectionRevision();
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(box_.SelStart()),
                     static_cast<LPARAM>(box_.SelStart() + box_.SelLength()));
    }
    // New colours show at the edit box's next paint; ask for it only when they change.
    const std::pair<Colour, Colour> colours{box_.InnerBackColor(), box_.InnerForeColor()};
    if (colours != paintedColours_) {
        paintedColours_ = colours;
        InvalidateRect(edit, nullptr, TRUE);
    }
}

AccessibleFacts QelTextBoxXPHost::Describe() {
    AccessibleFacts facts;
    if (const auto* frame = dynamic_cast<const Frame*>(box_.Parent())) {
        facts.name = frame->Caption();
    }
    return facts;
}

void QelTextBoxXPHost::OnPaint(HDC target) {
    RECT client{};
    GetClientRect(Window(), &client);
    BackBuffer buffer(target, client);
    HDC dc = buffer.Dc();
    const bool highContrast = HighContrastOn();
    if (highContrast) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    } else {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    const int width = box_.BorderWidth();
    UniqueGdiObject pen(CreatePen(PenStyleOf(box_.BorderStyle()), width,
                                  ToColorRef(TextBoxColours(box_, highContrast).frame)));
    ScopedSelectObject selectPen(dc, pen.Get());
    ScopedSelectObject selectBrush(dc, GetStockObject(NULL_BRUSH));
    const int drawMode = static_cast<int>(box_.DrawMode());
    SetROP2(dc, drawMode >= R2_BLACK && drawMode <= R2_WHITE ? drawMode : R2_COPYPEN);
    // A wide pen is centred on the path; keep it inside the control.
    const int inset = width / 2;
    Rectangle(dc, client.left + inset, client.top + inset,
              client.right - inset + (width > 1 ? 1 : 0),
              client.bottom - inset + (width > 1 ? 1 : 0));
}

LRESULT QelTextBoxXPHost::OnCtlColorEdit(HDC dc) {
    const XpColours colours = TextBoxColours(box_, HighContrastOn());
    const Colour back = colours.back;
    if (!editBrush_ || editBrushColour_ != back) {
        editBrush_.Reset(CreateSolidBrush(ToColorRef(back)));
        editBrushColour_ = back;
    }
    SetTextColor(dc, ToColorRef(colours.text));
    SetBkColor(dc, ToColorRef(back));
    return reinterpret_cast<LRESULT>(editBrush_.Get());
}

LRESULT QelTextBoxXPHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            SetFocus(edit_.Get());
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == edit_.Get() && HIWORD(wParam) == EN_CHANGE) {
                box_.UserChangedText(WindowText(edit_.Get()));
            }
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            editBrush_.Reset();
            InvalidateRect(edit_.Get(), nullptr, TRUE);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

void QelTextBoxXPHost::ForwardMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    // The inner box reports its positions in twips.
    float x = static_cast<float>(GET_X_LPARAM(lParam) * 1440 / Dpi());
    float y = static_cast<float>(GET_Y_LPARAM(lParam) * 1440 / Dpi());
    const int shift = CurrentShiftState();
    switch (message) {
        case WM_MOUSEMOVE:
            box_.HandleMouseMove(MouseButtonsOf(wParam), shift, x, y);
            break;
        case WM_LBUTTONDOWN:
            box_.HandleMouseDown(1, shift, x, y);
            break;
        case WM_RBUTTONDOWN:
            box_.HandleMouseDown(2, shift, x, y);
            break;
        case WM_LBUTTONUP:
            box_.HandleMouseUp(1, shift, x, y);
            box_.HandleClick();
            break;
        case WM_RBUTTONUP:
            box_.HandleMouseUp(2, shift, x, y);
            break;
        case WM_LBUTTONDBLCLK:
            box_.HandleDblClick();
            break;
        default:
            break;
    }
}

LRESULT QelTextBoxXPHost::EditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: {
            const int key = box_.HandleKeyPress(static_cast<int>(wParam));
            if (key == 0) {
                return 0;
            }
            return DefSubclassProc(edit, message, static_cast<WPARAM>(key), lParam);
        }
        case WM_KEYDOWN:
            box_.HandleKeyDown(static_cast<int>(wParam), CurrentShiftState());
            break;
        // Enter and Esc are the box's keys too (its key events, ActivateCtrlOnReturnKey), not
        // the window's default and cancel.
        case WM_GETDLGCODE:
            return DefSubclassProc(edit, message, wParam, lParam) |
                   (AsksForEnterOrEscape(lParam) ? DLGC_WANTMESSAGE : 0);
        case WM_KEYUP:
            box_.HandleKeyUp(static_cast<int>(wParam), CurrentShiftState());
            break;
        case WM_PASTE:
            if (box_.InputType() == 1) {
                Paste();
                return 0;
            }
            break;
        case WM_GETOBJECT:
            if (const auto answer =
                    sentrel::AnswerGetObject(edit, wParam, lParam, &AccessibleSourceOfEdit)) {
                return *answer;
            }
            break;
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            box_.HandleGotFocus();
            return result;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            ForwardMouse(message, wParam, lParam);
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

// A paste into a digits-only box keeps the digits of the clipboard's text.
void QelTextBoxXPHost::Paste() {
    if (box_.Locked()) {
        return;
    }
    const std::wstring text = Utf8ToWide(box_.PastedText(ClipboardText(edit_.Get())));
    SendMessageW(edit_.Get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT CALLBACK QelTextBoxXPHost::EditProcedure(HWND edit, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR data) {
    try {
        return reinterpret_cast<QelTextBoxXPHost*>(data)->EditMessage(edit, message, wParam,
                                                                      lParam);
    } catch (...) {
        return DefSubclassProc(edit, message, wParam, lParam);
    }
}

std::unique_ptr<ControlHost> CreateQelTextBoxXPHost(QelTextBoxXP& model,
                                                    const HostContext& context) {
    return std::make_unique<QelTextBoxXPHost>(model, context);
}

}  // namespace sentrel
