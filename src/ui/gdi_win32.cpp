#include "ui/gdi_win32.h"

#include <cmath>
#include <cstddef>

#include "base/text_win32.h"

namespace sentrel {

namespace {

int CALLBACK NoteFaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

std::wstring MessageFontFace() {
    NONCLIENTMETRICSW metrics{};
    // The record as Windows XP knows it: XP refuses the larger one, which later versions extend
    // by iPaddedBorderWidth.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) == FALSE) {
        return L"MS Shell Dlg 2";
    }
    return metrics.lfMessageFont.lfFaceName;
}

}  // namespace

bool FontFaceInstalled(const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

UniqueGdiObject CreateFontAt(const Font& font, int dpi) {
    std::wstring face = Utf8ToWide(font.name);
    if (!FontFaceInstalled(face)) {
        face = MessageFontFace();
    }
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / 72.0));
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return UniqueGdiObject(CreateFontIndirectW(&lf));
}

COLORREF ToColorRef(Colour colour) {
    if (IsSystemColour(colour)) {
        return GetSysColor(static_cast<int>(colour & 0xFF));
    }
    return static_cast<COLORREF>(colour);
}

Picture LoadPicture(HINSTANCE instance, const std::string& name, int iconSize) {
    Picture picture;
    if (name.empty()) {
        return picture;
    }
    const std::wstring resource = Utf8ToWide(name);
    if (FindResourceW(instance, resource.c_str(), RT_GROUP_ICON) != nullptr) {
        picture.icon.Reset(static_cast<HICON>(
            LoadImageW(instance, resource.c_str(), IMAGE_ICON, iconSize, iconSize, 0)));
        picture.size = SIZE{iconSize, iconSize};
        return picture;
    }
    if (FindResourceW(instance, resource.c_str(), RT_BITMAP) != nullptr) {
        picture.bitmap.Reset(LoadImageW(instance, resource.c_str(), IMAGE_BITMAP, 0, 0, 0));
        BITMAP info{};
        if (picture.bitmap && GetObjectW(picture.bitmap.Get(), sizeof info, &info) != 0) {
            picture.size = SIZE{info.bmWidth, info.bmHeight};
        }
    }
    return picture;
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y) {
    if (picture.icon) {
        DrawIconEx(dc, x, y, picture.icon.Get(), picture.size.cx, picture.size.cy, 0, nullptr,
                   DI_NORMAL);
        return;
    }
    if (picture.bitmap) {
        UniqueMemoryDc memory(CreateCompatibleDC(dc));
        ScopedSelectObject select(memory.Get(), picture.bitmap.Get());
        BitBlt(dc, x, y, picture.size.cx, picture.size.cy, memory.Get(), 0, 0, SRCCOPY);
    }
}

}  // namespace sentrel
