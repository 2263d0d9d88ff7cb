// The XP button's window: the face the model names, cut from the face strip and stretched by
// the nine-slice copies, with the centred caption on top.
#include <oleacc.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

#include "base/text_win32.h"
#include "controls/button_face.h"
#include "controls/high_contrast.h"
#include "controls/xp_host_base_win32.h"
#include "controls/xp_hosts_win32.h"
#include "controls/xpcmdbutton.h"

namespace sentrel {

// The face strip: the "XPBUTTON" bitmap resource (90 x 21, five 18 x 21 cells), or the strip
// drawn from the theme's colours when the program carries no such resource.
class FaceStrip {
public:
    explicit FaceStrip(HINSTANCE instance);
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.Get()); }

private:
    UniqueGdiObject bitmap_;
};

class XpCmdButtonHost : public XpHostBase {
public:
    XpCmdButtonHost(xpcmdbutton& model, const HostContext& context);
    ~XpCmdButtonHost() override;

    void Mirror() override;
    AccessibleFacts Describe() override;

private:
    void OnDefaultAction() override { button_.UserClick(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    void PaintFace(HDC dc, int width, int height);
    // The optional picture, from an icon or bitmap resource, scaled to 16 x 16.
    void PaintPicture(HDC dc, Point at);
    LRESULT OnButtonDown(int button, LPARAM lParam);
    LRESULT OnButtonUp(int button, LPARAM lParam);
    void PaintHighContrastFace(HDC dc, const RECT& client);

    xpcmdbutton& button_;
    WindowPointerSource pointer_;
    FaceStrip strip_;
    std::string pictureName_;
    UniqueIcon pictureIcon_;
    UniqueGdiObject pictureBitmap_;
    bool releasingCapture_ = false;  // our own release of the mouse, not another window's taking
};

}  // namespace sentrel

namespace sentrel {

namespace {

constexpr const wchar_t* kButtonClass = L"SentrelXpButton";
constexpr int kPictureSize = 16;

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP DrawnStrip() {
    const std::vector<Colour> pixels = RenderFaceStrip();
    BITMAPINFO info = TopDown32(kFaceStripWidth, kFaceCellHeight);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        return bitmap;
    }
    auto* out = static_cast<DWORD*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Colour c = pixels[i];
        out[i] = static_cast<DWORD>(RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c));
    }
    return bitmap;
}

// The caption as it reads: "&Rescan" is "Rescan", "Fish && Chips" is "Fish & Chips".
std::string CaptionWithoutAccessKey(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

}  // namespace

FaceStrip::FaceStrip(HINSTANCE instance) {
    HANDLE loaded = LoadImageW(instance, L"XPBUTTON", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    BITMAP info{};
    if (loaded != nullptr && GetObjectW(loaded, sizeof info, &info) != 0 &&
        info.bmWidth == kFaceStripWidth && info.bmHeight == kFaceCellHeight) {
        bitmap_.Reset(loaded);
        return;
    }
    if (loaded != nullptr) {
        DeleteObject(loaded);
    }
    bitmap_.Reset(DrawnStrip());
}

XpCmdButtonHost::XpCmdButtonHost(xpcmdbutton& model, const HostContext& context)
    : XpHostBase(model, context), button_(model), pointer_(nullptr), strip_(Instance()) {
    CreateOwnWindow(kButtonClass, 0, nullptr, WS_TABSTOP | WS_CLIPSIBLINGS, 0);
    pointer_ = WindowPointerSource(Window());
    button_.SetPointerSource(&pointer_);
    RunTimer(button_.Timer1);
    button_.RefreshFace();
    Mirror();
}

XpCmdButtonHost::~XpCmdButtonHost() {
    button_.SetPointerSource(nullptr);
}

void XpCmdButtonHost::Mirror() {
    if (!window_) {
        return;
    }
    MirrorPlacement();
    MirrorWindowText(button_.Caption());
    InvalidateRect(Window(), nullptr, FALSE);
    AnnounceChanges();
}

AccessibleFacts XpCmdButtonHost::Describe() {
    const long state = STATE_SYSTEM_FOCUSABLE |
                       (button_.Face() == kFacePressed ? STATE_SYSTEM_PRESSED : 0) |
                       (GetFocus() == Window() ? STATE_SYSTEM_FOCUSED : 0) |
                       (button_.Enabled() ? 0 : STATE_SYSTEM_UNAVAILABLE);
    return {ROLE_SYSTEM_PUSHBUTTON, CaptionWithoutAccessKey(button_.Caption()), state,
            std::string("Press"), std::nullopt};
}

void XpCmdButtonHost::PaintHighContrastFace(HDC dc, const RECT& client) {
    const XpColours colours = ButtonColours(button_, true);
    UniqueGdiObject back(CreateSolidBrush(ToColorRef(colours.back)));
    FillRect(dc, &client, static_cast<HBRUSH>(back.Get()));
    UniqueGdiObject frame(CreateSolidBrush(ToColorRef(colours.frame)));
    RECT outline = client;
    for (int i = 0; i < (button_.Face() == kFaceHighlighted ? 2 : 1); ++i) {
        FrameRect(dc, &outline, static_cast<HBRUSH>(frame.Get()));
        InflateRect(&outline, -1, -1);
    }
}

void XpCmdButtonHost::PaintFace(HDC dc, int width, int height) {
    UniqueMemoryDc stripDc(CreateCompatibleDC(dc));
    ScopedSelectObject select(stripDc.Get(), strip_.Bitmap());
    SetStretchBltMode(dc, COLORONCOLOR);
    const int cellLeft = button_.Face() * kFaceCellWidth;
    for (const SlicePiece& piece : NineSlicePieces(width, height)) {
        const PixelBox& d = piece.destination;
        const PixelBox& s = piece.source;
        if (d.width <= 0 || d.height <= 0) {
            continue;  // a button smaller than its borders
        }
        StretchBlt(dc, d.left, d.top, d.width, d.height, stripDc.Get(), cellLeft + s.left, s.top,
                   s.width, s.height, SRCCOPY);
    }
}

void XpCmdButtonHost::PaintPicture(HDC dc, Point at) {
    const std::string& name = button_.PictureNormal()->resource;
    if (name != pictureName_) {
        pictureName_ = name;
        const std::wstring wide = Utf8ToWide(name);
        pictureIcon_.Reset(static_cast<HICON>(
            LoadImageW(Instance(), wide.c_str(), IMAGE_ICON, kPictureSize, kPictureSize, 0)));
        pictureBitmap_.Reset(
            pictureIcon_ ? nullptr : LoadImageW(Instance(), wide.c_str(), IMAGE_BITMAP, 0, 0, 0));
    }
    if (pictureIcon_) {
        DrawIconEx(dc, at.x, at.y, pictureIcon_.Get(), kPictureSize, kPictureSize, 0, nullptr,
                   DI_NORMAL);
    } else if (pictureBitmap_) {
        BITMAP info{};
        GetObjectW(pictureBitmap_.Get(), sizeof info, &info);
        UniqueMemoryDc source(CreateCompatibleDC(dc));
        ScopedSelectObject select(source.Get(), pictureBitmap_.Get());
        StretchBlt(dc, at.x, at.y, kPictureSize, kPictureSize, source.Get(), 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
    }
}

void XpCmdButtonHost::OnPaint(HDC target) {
    RECT client{};
    GetClientRect(Window(), &client);
    BackBuffer buffer(target, client);
    HDC dc = buffer.Dc();
    const bool highContrast = HighContrastOn();
    const XpColours colours = ButtonColours(button_, highContrast);
    if (highContrast) {
        PaintHighContrastFace(dc, client);
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        PaintFace(dc, client.right, client.bottom);
    }

    ScopedSelectObject font(dc, FontFor(button_.GetFont()));
    const std::string& caption = button_.Caption();
    const TextExtent size = Measure(caption, button_.GetFont());
    std::optional<int> pictureWidth;
    if (button_.PictureNormal()) {
        pictureWidth = button_.PictureNormal()->widthPixels;
    }
    const Point at =
        ButtonCaptionPosition(client.right, client.bottom, size, pictureWidth, caption.empty());
    if (pictureWidth) {
        PaintPicture(dc, ButtonPicturePosition(at, *pictureWidth));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colours.text));
    RECT text{at.x, at.y, at.x + size.width, at.y + size.height};
    const std::wstring wide = Utf8ToWide(caption);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    if (GetFocus() == Window()) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        if (highContrast) {
            UniqueGdiObject accent(CreateSolidBrush(ToColorRef(colours.accent)));
            FrameRect(dc, &focus, static_cast<HBRUSH>(accent.Get()));
        } else {
            DrawFocusRect(dc, &focus);
        }
    }
}

LRESULT XpCmdButtonHost::OnButtonDown(int button, LPARAM lParam) {
    SetCapture(Window());
    if (button == 1) {
        SetFocus(Window());
    }
    button_.HandleMouseDown(button, CurrentShiftState(), static_cast<float>(GET_X_LPARAM(lParam)),
                            static_cast<float>(GET_Y_LPARAM(lParam)));
    return 0;
}

LRESULT XpCmdButtonHost::OnButtonUp(int button, LPARAM lParam) {
    if (GetCapture() == Window()) {
        releasingCapture_ = true;
        ReleaseCapture();
        releasingCapture_ = false;
    }
    button_.HandleMouseUp(button, CurrentShiftState(), static_cast<float>(GET_X_LPARAM(lParam)),
                          static_cast<float>(GET_Y_LPARAM(lParam)));
    return 0;
}

LRESULT XpCmdButtonHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = ForwardKeysAndFocus(Window(), button_, message, wParam, lParam)) {
        return *handled;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            button_.HandleMouseMove(MouseButtonsOf(wParam), CurrentShiftState(),
                                    static_cast<float>(GET_X_LPARAM(lParam)),
                                    static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_LBUTTONDOWN:
            return OnButtonDown(1, lParam);
        case WM_RBUTTONDOWN:
            return OnButtonDown(2, lParam);
        case WM_LBUTTONUP:
            return OnButtonUp(1, lParam);
        case WM_RBUTTONUP:
            return OnButtonUp(2, lParam);
        // Another window took the mouse mid-press: the button is no longer held down, and a
        // release that comes later is no click.
        case WM_CAPTURECHANGED:
            if (!releasingCapture_ && reinterpret_cast<HWND>(lParam) != Window()) {
                button_.HandleCaptureLost();
            }
            return 0;
        case WM_GETOBJECT:
            return AnswerGetObject(wParam, lParam);
        // The dialog manager sends BM_CLICK when the caption's access key is pressed.
        case BM_CLICK:
            button_.HandleAccessKey();
            return 0;
        // Enter presses the focused button itself (its key events see it), not the window's
        // default button.
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_WANTCHARS |
                   (AsksForEnterOrEscape(lParam) ? DLGC_WANTMESSAGE : 0);
        default:
            return Default(message, wParam, lParam);
    }
}

std::unique_ptr<ControlHost> CreateXpCmdButtonHost(xpcmdbutton& model, const HostContext& context) {
    return std::make_unique<XpCmdButtonHost>(model, context);
}

}  // namespace sentrel
