#include "controls/xp_host_base_win32.h"

#include <algorithm>
#include <cmath>

#include <oleacc.h>

#include "base/text_win32.h"

namespace sentrel {

namespace {

constexpr const wchar_t* kModelProperty = L"SentrelXpControl";
// Posted to a control's window: carry out the screen reader's default action.
constexpr UINT kMsgDefaultAction = WM_APP + 0x42;

struct FocusSearch {
    const Control* target;
    HWND found;
};

BOOL CALLBACK FindControlWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<FocusSearch*>(param);
    if (XpHostBase::ModelOfWindow(window) == search->target) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int MouseButtonsOf(WPARAM wParam) {
    int buttons = 0;
    if ((wParam & MK_LBUTTON) != 0) {
        buttons |= 1;
    }
    if ((wParam & MK_RBUTTON) != 0) {
        buttons |= 2;
    }
    if ((wParam & MK_MBUTTON) != 0) {
        buttons |= 4;
    }
    return buttons;
}

std::optional<LRESULT> ForwardKeysAndFocus(HWND window, ButtonEvents& control, UINT message,
                                           WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            // Bit 30: the key was already down (auto-repeat).
            control.HandleKeyDown(static_cast<int>(wParam), CurrentShiftState(),
                                  (lParam & (1L << 30)) != 0);
            return 0;
        case WM_KEYUP:
            control.HandleKeyUp(static_cast<int>(wParam), CurrentShiftState());
            return 0;
        case WM_CHAR:
            control.HandleKeyPress(static_cast<int>(wParam));
            return 0;
        case WM_KILLFOCUS:
            control.HandleFocusLost();
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_SETFOCUS:
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        default:
            return std::nullopt;
    }
}

bool AsksForEnterOrEscape(LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg != nullptr && msg->message == WM_KEYDOWN &&
           (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

void DrawMeasuredText(HDC dc, const std::string& text, int x, int y) {
    const std::wstring wide = Utf8ToWide(text);
    const int count = static_cast<int>(wide.size());
    std::vector<int> ends(wide.size());
    SIZE size{};
    if (count == 0 ||
        !GetTextExtentExPointW(dc, wide.c_str(), count, 0, nullptr, ends.data(), &size)) {
        return;
    }
    std::vector<int> advances(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        advances[i] = ends[i] - (i == 0 ? 0 : ends[i - 1]);
    }
    ExtTextOutW(dc, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(count), advances.data());
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Point WindowPointerSource::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

Rect WindowPointerSource::WindowRect() {
    RECT r{};
    GetWindowRect(window_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

WindowTimer::WindowTimer(Timer& timer, HWND window, UINT_PTR id)
    : timer_(timer), window_(window), id_(id) {
    timer_.SetObserver([this] { Sync(); });
    Sync();
}

WindowTimer::~WindowTimer() {
    timer_.SetObserver(nullptr);
    if (running_) {
        KillTimer(window_, id_);
    }
}

void WindowTimer::Sync() {
    const bool wanted = timer_.Enabled() && timer_.Interval() > 0;
    if (wanted && (!running_ || interval_ != timer_.Interval())) {
        interval_ = timer_.Interval();
        running_ = SetTimer(window_, id_, static_cast<UINT>(interval_), nullptr) != 0;
    } else if (!wanted && running_) {
        KillTimer(window_, id_);
        running_ = false;
    }
}

BackBuffer::BackBuffer(HDC target, const RECT& client)
    : target_(target), size_{client.right, client.bottom}, dc_(CreateCompatibleDC(target)) {
    bitmap_.Reset(CreateCompatibleBitmap(target, std::max(1L, size_.cx), std::max(1L, size_.cy)));
    oldBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
}

BackBuffer::~BackBuffer() {
    BitBlt(target_, 0, 0, size_.cx, size_.cy, dc_.Get(), 0, 0, SRCCOPY);
    SelectObject(dc_.Get(), oldBitmap_);
}

XpHostBase::XpHostBase(Control& model, const HostContext& context)
    : model_(model), context_(context) {
    if (context_.dpi <= 0) {
        context_.dpi = 96;
    }
}

XpHostBase::~XpHostBase() {
    timer_.reset();
    if (window_) {
        RemovePropW(window_.Get(), kModelProperty);
        SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
    }
}

HINSTANCE XpHostBase::Instance() const {
    return context_.instance != nullptr ? context_.instance : GetModuleHandleW(nullptr);
}

void XpHostBase::CreateOwnWindow(const wchar_t* className, UINT classStyle, HCURSOR cursor,
                                 DWORD style, DWORD exStyle) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(Instance(), className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = classStyle;
        wc.lpfnWndProc = &XpHostBase::Procedure;
        wc.hInstance = Instance();
        wc.hCursor = cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
    }
    const Bounds& b = model_.GetBounds();
    window_.Reset(CreateWindowExW(
        exStyle, className, L"", style | WS_CHILD, TwipsToPixels(b.left, Dpi()),
        TwipsToPixels(b.top, Dpi()), TwipsToPixels(b.width, Dpi()), TwipsToPixels(b.height, Dpi()),
        context_.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(context_.controlId)),
        Instance(), this));
    if (window_) {
        SetPropW(window_.Get(), kModelProperty, &model_);
    }
}

LRESULT CALLBACK XpHostBase::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<XpHostBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host == nullptr || host->window_.Get() != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return host->Dispatch(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void XpHostBase::RunTimer(Timer& timer) {
    timer_ = std::make_unique<WindowTimer>(timer, Window(), kControlTimerId);
}

// Painting is the same for the four controls: all of it in OnPaint, double-buffered there, so
// the background is never erased on its own (no flicker).
LRESULT XpHostBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(Window(), &ps);
            OnPaint(dc);
            EndPaint(Window(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            OnPaint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        // The user's colours or high contrast changed.
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            InvalidateRect(Window(), nullptr, FALSE);
            return OnMessage(message, wParam, lParam);
        case kMsgDefaultAction:
            OnDefaultAction();
            return 0;
        case WM_TIMER:
            if (timer_ && timer_->Owns(wParam)) {
                timer_->Tick();
                return 0;
            }
            return OnMessage(message, wParam, lParam);
        default:
            return OnMessage(message, wParam, lParam);
    }
}

AccessibleSource* XpHostBase::AccessibleSourceOf(HWND window) {
    if (ModelOfWindow(window) == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<XpHostBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void XpHostBase::DoDefaultAction() {
    PostMessageW(Window(), kMsgDefaultAction, 0, 0);
}

LRESULT XpHostBase::AnswerGetObject(WPARAM wParam, LPARAM lParam) {
    if (const auto answer =
            sentrel::AnswerGetObject(Window(), wParam, lParam, &AccessibleSourceOf)) {
        return *answer;
    }
    return Default(WM_GETOBJECT, wParam, lParam);
}

void XpHostBase::AnnounceChanges() {
    const AccessibleFacts facts = Describe();
    const std::pair<long, std::string> now{
        facts.state.value_or(0) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE),
        facts.name.value_or("")};
    if (announced_ && announced_->first != now.first) {
        NotifyAccessibleEvent(Window(), EVENT_OBJECT_STATECHANGE);
    }
    if (announced_ && announced_->second != now.second) {
        NotifyAccessibleEvent(Window(), EVENT_OBJECT_NAMECHANGE);
    }
    announced_ = now;
}

Control* XpHostBase::ModelOfWindow(HWND window) {
    return static_cast<Control*>(GetPropW(window, kModelProperty));
}

bool XpHostBase::FocusControlWindow(HWND from, const Control& target) {
    FocusSearch search{&target, nullptr};
    EnumChildWindows(GetAncestor(from, GA_ROOT), &FindControlWindow,
                     reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return false;
    }
    SetFocus(search.found);
    return true;
}

void XpHostBase::MirrorPlacement() {
    HWND window = window_.Get();
    const Bounds& b = model_.GetBounds();
    const int x = TwipsToPixels(b.left, Dpi());
    const int y = TwipsToPixels(b.top, Dpi());
    const int w = TwipsToPixels(b.width, Dpi());
    const int h = TwipsToPixels(b.height, Dpi());
    RECT current{};
    GetWindowRect(window, &current);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&current), 2);
    if (current.left != x || current.top != y || current.right - current.left != w ||
        current.bottom - current.top != h) {
        SetWindowPos(window, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const bool visible = IsWindowVisible(window) != FALSE;
    if (visible != model_.Visible()) {
        ShowWindow(window, model_.Visible() ? SW_SHOWNA : SW_HIDE);
    }
    if ((IsWindowEnabled(window) != FALSE) != model_.Enabled()) {
        EnableWindow(window, model_.Enabled() ? TRUE : FALSE);
    }
}

void XpHostBase::MirrorWindowText(const std::string& text) {
    if (WindowText(window_.Get()) != text) {
        SetWindowTextW(window_.Get(), Utf8ToWide(text).c_str());
    }
}

HFONT XpHostBase::FontFor(const Font& font) {
    for (const auto& [known, handle] : fonts_) {
        if (known == font) {
            return static_cast<HFONT>(handle.Get());
        }
    }
    UniqueGdiObject made = CreateFontAt(font, Dpi());
    auto* created = static_cast<HFONT>(made.Get());
    fonts_.emplace_back(font, std::move(made));
    return created;
}

TextExtent XpHostBase::Measure(const std::string& text, const Font& font) {
    HDC screen = GetDC(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    ScopedSelectObject select(dc.Get(), FontFor(font));
    const std::wstring wide = Utf8ToWide(text.empty() ? std::string(" ") : text);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return {text.empty() ? 0 : static_cast<int>(size.cx), static_cast<int>(size.cy), Dpi()};
}

}  // namespace sentrel
