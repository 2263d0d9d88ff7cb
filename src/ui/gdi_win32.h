#pragma once
// Fonts, colours and pictures of the window, made at the window's DPI.
#include <windows.h>

#include <string>

#include "base/handles_win32.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace sentrel {

// The font at the given DPI; a face that is not installed falls back to the system's message
// font face (Tahoma is missing on some systems), keeping size and weight.
UniqueGdiObject CreateFontAt(const Font& font, int dpi);
bool FontFaceInstalled(const std::wstring& face);

// A colour of the core as GDI takes it (system colour indexes resolved).
COLORREF ToColorRef(Colour colour);

// A picture resource by name: an icon if there is one, else a bitmap; nothing when neither exists.
struct Picture {
    UniqueIcon icon;
    UniqueGdiObject bitmap;
    SIZE size{0, 0};
    bool Empty() const { return !icon && !bitmap; }
};
// iconSize: the icon size wanted (pixels), so that the best image of the icon is picked.
Picture LoadPicture(HINSTANCE instance, const std::string& name, int iconSize);
void DrawPicture(HDC dc, const Picture& picture, int x, int y);

}  // namespace sentrel
