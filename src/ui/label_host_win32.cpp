#include "ui/label_host_win32.h"

#include "ui/gdi_win32.h"

namespace sentrel {

DWORD StaticAlignmentStyle(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right:
            return SS_RIGHT;
        case Alignment::Centre:
            return SS_CENTER;
        case Alignment::Left:
            break;
    }
    return SS_LEFT;
}

LabelHost::LabelHost(Label& model, const HostContext& context)
    : WindowHost(model, context), label_(model), appliedAlignment_(model.GetAlignment()) {
    CreateChild(L"STATIC", SS_NOPREFIX | StaticAlignmentStyle(model.GetAlignment()), 0,
                model.Caption());
    MirrorFont();
}

void LabelHost::Mirror() {
    MirrorPlacement();
    MirrorText(label_.Caption());
    MirrorFont();
    MirrorAlignment();
    InvalidateRect(Window(), nullptr, TRUE);
}

// The window's own font serves every label in the default font; others get their own.
void LabelHost::MirrorFont() {
    const Font& font = label_.GetFont();
    if (fontApplied_ && font == appliedFont_) {
        return;
    }
    fontApplied_ = true;
    appliedFont_ = font;
    UniqueGdiObject created;
    HFONT use = context_.font;
    if (!(font == Font{})) {
        created = CreateFontAt(font, context_.dpi);
        use = static_cast<HFONT>(created.Get());
    }
    SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(use), TRUE);
    ownFont_ = std::move(created);  // the previous font is deleted only once it is out of use
}

void LabelHost::MirrorAlignment() {
    if (label_.GetAlignment() == appliedAlignment_) {
        return;
    }
    appliedAlignment_ = label_.GetAlignment();
    LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(SS_TYPEMASK);
    style |= static_cast<LONG_PTR>(StaticAlignmentStyle(appliedAlignment_));
    SetWindowLongPtrW(Window(), GWL_STYLE, style);
}

HBRUSH LabelHost::OnCtlColor(HDC dc) {
    const auto colour = label_.ForeColor();
    SetTextColor(dc, colour ? ToColorRef(*colour) : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace sentrel
