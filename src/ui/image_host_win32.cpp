#include "ui/image_host_win32.h"

#include <algorithm>

#include "ui/window_class_win32.h"

namespace sentrel {

namespace {

constexpr const wchar_t* kImageClass = L"SentrelImage";

}  // namespace

ImageHost::ImageHost(Image& model, const HostContext& context)
    : WindowHost(model, context), image_(model) {
    RegisterWindowClass(context.instance, kImageClass, WindowProcFor<ImageHost>);
    // The window text is the picture's tool tip: what a screen reader can say about it.
    CreateChild(kImageClass, 0, 0, model.ToolTipText(), this);
    LoadModelPicture();
}

ImageHost::~ImageHost() {
    DetachWindowObject(Window());
}

void ImageHost::Mirror() {
    MirrorPlacement();
    MirrorText(image_.ToolTipText());
    if (image_.Picture() != loadedName_) {
        LoadModelPicture();
        InvalidateRect(Window(), nullptr, TRUE);
    }
}

void ImageHost::LoadModelPicture() {
    loadedName_ = image_.Picture();
    const RECT r = PixelBounds();
    const int side = std::min(r.right - r.left, r.bottom - r.top);
    picture_ = LoadPicture(context_.instance, loadedName_, side > 0 ? side : 32);
}

LRESULT ImageHost::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor()) {
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            SetCapture(window);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(window, lParam);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ImageHost::OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawPicture(dc, picture_, 0, 0);
    EndPaint(window, &ps);
}

bool ImageHost::OnSetCursor() {
    if (!image_.HandCursor()) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

// A click is a press and a release on the picture.
void ImageHost::OnButtonUp(HWND window, LPARAM lParam) {
    if (GetCapture() != window) {
        return;
    }
    ReleaseCapture();
    RECT client;
    GetClientRect(window, &client);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (PtInRect(&client, at) != FALSE) {
        image_.RaiseClick();
    }
}

}  // namespace sentrel
