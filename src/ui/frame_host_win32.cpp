#include "ui/frame_host_win32.h"

#include "base/text_win32.h"
#include "ui/gdi_win32.h"
#include "ui/host_routing_win32.h"
#include "ui/window_class_win32.h"

namespace sentrel {

namespace {

constexpr const wchar_t* kFrameClass = L"SentrelFrame";

}  // namespace

FrameHost::FrameHost(Frame& model, const HostContext& context)
    : WindowHost(model, context), frame_(model) {
    RegisterWindowClass(context.instance, kFrameClass, WindowProcFor<FrameHost>);
    CreateChild(kFrameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, model.Caption(), this);
}

FrameHost::~FrameHost() {
    DetachWindowObject(Window());
}

void FrameHost::SetFrontTest(std::function<bool()> isFront) {
    isFront_ = std::move(isFront);
    Mirror();
}

void FrameHost::Mirror() {
    MirrorPlacement(model_.Visible() && (!isFront_ || isFront_()));
    MirrorText(frame_.Caption());
    InvalidateRect(Window(), nullptr, TRUE);
}

LRESULT FrameHost::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteToChildHost(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole client area
        case WM_PAINT:
            OnPaint(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The group box: an etched border from the middle of the caption line, broken by the caption.
void FrameHost::OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const std::wstring caption = Utf8ToWide(frame_.Caption());
    if (!caption.empty()) {
        ScopedSelectObject font(
            dc, context_.font != nullptr ? context_.font : GetStockObject(DEFAULT_GUI_FONT));
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        RECT border = client;
        border.top += text.cy / 2;
        DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
        const int gap = MulDiv(2, context_.dpi, 96);
        RECT label{MulDiv(6, context_.dpi, 96), 0, 0, text.cy};
        label.right = label.left + text.cx + 2 * gap;
        FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
        const auto colour = frame_.ForeColor();
        SetTextColor(dc, colour ? ToColorRef(*colour) : GetSysColor(COLOR_BTNTEXT));
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, label.left + gap, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    EndPaint(window, &ps);
}

}  // namespace sentrel
