#include "shell/tray.h"

#include <cstdint>

namespace sentrel {

namespace {

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else {
            extra = -1;
        }
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

std::array<char16_t, kTrayTipUnits> MakeTrayTip(const std::string& utf8) {
    std::u16string text = Utf8ToUtf16(utf8);
    if (text.size() > kTrayTipUnits - 1) {
        text.resize(kTrayTipUnits - 1);
        if (IsHighSurrogate(text.back())) {
            text.pop_back();
        }
    }
    std::array<char16_t, kTrayTipUnits> tip{};
    tip.fill(u' ');
    text.copy(tip.data(), text.size());
    tip[text.size()] = u'\0';
    return tip;
}

void AddTrayIcon(TrayIcon& tray, TrayIconData& record, Image& picture, const std::string& tip) {
    record.hWnd = tray.WindowHandle();
    record.uID = kTrayIconId;
    record.uFlags = kTrayIconFlags;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = tray.IconHandle(picture.Picture());
    record.szTip = MakeTrayTip(tip);
    record.cbSize = sizeof(TrayIconData);
    tray.Notify(TrayMessage::Add, record);
    picture.SetTag(kTrayIconMarker);
}

void ModifyTrayIcon(TrayIcon& tray, TrayIconData& record, const Image* picture,
                    const std::string& tip) {
    if (picture != nullptr) {
        record.hIcon = tray.IconHandle(picture->Picture());
    }
    if (!tip.empty()) {
        record.szTip = MakeTrayTip(tip);
    }
    tray.Notify(TrayMessage::Modify, record);
}

void RemoveTrayIcon(TrayIcon& tray, TrayIconData& record, Image& picture) {
    if (picture.Tag() != kTrayIconMarker) {
        return;
    }
    record.cbSize = sizeof(TrayIconData);
    record.hWnd = tray.WindowHandle();
    record.uID = kTrayIconId;
    tray.Notify(TrayMessage::Delete, record);
    picture.SetTag("");
}

void ReAddTrayIcon(TrayIcon& tray, const TrayIconData& record, const Image& picture) {
    if (picture.Tag() == kTrayIconMarker) {
        tray.Notify(TrayMessage::Add, record);
    }
}

}  // namespace sentrel
