#include "controls/qel_text_box_xp.h"

namespace sentrel {

namespace {

// UTF-16 units of the character starting with this byte (0 for a continuation byte).
long UnitsOfLeadByte(unsigned char byte) {
    if ((byte & 0xC0) == 0x80) {
        return 0;
    }
    return byte >= 0xF0 ? 2 : 1;
}

// The byte offset of the character at a UTF-16 position, clamped to the text's end.
std::size_t ByteOffsetOf(const std::string& text, long position) {
    long units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const long size = UnitsOfLeadByte(static_cast<unsigned char>(text[i]));
        if (size == 0) {
            continue;
        }
        if (units >= position) {
            return i;
        }
        units += size;
    }
    return text.size();
}

// The 1-based position of the first minus sign, 0 when there is none.
long FirstMinusPosition(const std::string& text) {
    const auto minus = text.find('-');
    return minus == std::string::npos ? 0 : CharacterCount(text.substr(0, minus)) + 1;
}

// The edit box's clipboard keys: Ctrl+A, Ctrl+C, Ctrl+V and Ctrl+X. A paste keeps its digits
// only (PastedText), so they pass even the digit filter.
bool IsClipboardKey(int keyAscii) {
    return keyAscii == 1 || keyAscii == 3 || keyAscii == 22 || keyAscii == 24;
}

}  // namespace

long CharacterCount(const std::string& text) {
    long units = 0;
    for (unsigned char byte : text) {
        units += UnitsOfLeadByte(byte);
    }
    return units;
}

QelTextBoxXP::QelTextBoxXP(std::string name) : Control(std::move(name)) {
    ApplyLayout();
}

void QelTextBoxXP::SetText(const std::string& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    Changed();
    Raise(Change);
}

void QelTextBoxXP::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    Changed();
}

void QelTextBoxXP::SetBackColor(Colour colour) {
    backColour_ = colour;
    innerBackColour_ = colour;
    Changed();
}

void QelTextBoxXP::SetForeColor(Colour colour) {
    foreColour_ = colour;
    innerForeColour_ = colour;
    Changed();
}

void QelTextBoxXP::SetFont(const Font& font) {
    font_ = font;
    Changed();
}

void QelTextBoxXP::SetBorderStyle(long style) {
    borderStyle_ = style;
    Changed();
}

void QelTextBoxXP::SetAppearance(int appearance) {
    appearance_ = appearance;
    Changed();
}

void QelTextBoxXP::SetBorderColor(Colour colour) {
    borderColour_ = colour;
    outlineColour_ = colour;
    Changed();
}

void QelTextBoxXP::SetBorderWidth(int width) {
    borderWidth_ = width == 0 ? 1 : width;
    Changed();
}

void QelTextBoxXP::SetDrawMode(long mode) {
    drawMode_ = mode;
    Changed();
}

void QelTextBoxXP::SetLocked(bool locked) {
    locked_ = locked;
    Changed();
}

void QelTextBoxXP::SetMaxLength(long length) {
    maxLength_ = length;
    Changed();
}

void QelTextBoxXP::SetPasswordChar(const std::string& character) {
    passwordChar_ = character;
    Changed();
}

void QelTextBoxXP::SelectionChanged() {
    ++selectionRevision_;
    Changed();
}

void QelTextBoxXP::SetSelStart(long start) {
    selStart_ = start;
    SelectionChanged();
}

void QelTextBoxXP::SetSelLength(long length) {
    selLength_ = length;
    SelectionChanged();
}

void QelTextBoxXP::SetSelText(const std::string& text) {
    selText_ = text;
    const long start = selStart_ < 0 ? 0 : selStart_;
    const long length = selLength_ < 0 ? 0 : selLength_;
    const std::size_t from = ByteOffsetOf(text_, start);
    const std::size_t to = ByteOffsetOf(text_, start + length);
    SetText(text_.substr(0, from) + text + text_.substr(to));
}

void QelTextBoxXP::ApplyLayout() {
    const Bounds inner = TextBoxInnerBox(GetBounds().width, GetBounds().height, innerBox_);
    if (inner != innerBox_) {
        innerBox_ = inner;
        Changed();
    }
}

std::string QelTextBoxXP::PastedText(const std::string& pasted) const {
    if (inputType_ != 1) {
        return pasted;
    }
    std::string digits;
    for (const char c : pasted) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    return digits;
}

int QelTextBoxXP::HandleKeyPress(int keyAscii) {
    constexpr int kBackspace = 8;
    if (inputType_ == 1 && keyAscii != kBackspace && !IsClipboardKey(keyAscii)) {
        if (keyAscii < '0' || keyAscii > '9') {
            Raise(InvalidKeyPressed, inputType_, keyAscii);
            keyAscii = 0;
        } else if (SelStart() + SelLength() < FirstMinusPosition(Text())) {
            // The caret lies before a minus sign: no digit may go there.
            keyAscii = 0;
        }
    }
    if (activateCtrl_ != nullptr && FocusControl) {
        FocusControl(*activateCtrl_);
    }
    Raise(KeyPress, keyAscii);
    return keyAscii;
}

void QelTextBoxXP::HandleKeyDown(int keyCode, int shift) {
    Raise(KeyDown, keyCode, shift);
}

void QelTextBoxXP::HandleKeyUp(int keyCode, int shift) {
    Raise(KeyUp, keyCode, shift);
}

void QelTextBoxXP::HandleGotFocus() {
    if (!highlightOnFocus_) {
        return;
    }
    selStart_ = 0;
    selLength_ = CharacterCount(text_);
    SelectionChanged();
}

void QelTextBoxXP::HandleMouseDown(int button, int shift, float x, float y) {
    Raise(MouseDown, button, shift, x, y);
}

void QelTextBoxXP::HandleMouseMove(int button, int shift, float x, float y) {
    Raise(MouseMove, button, shift, x, y);
}

void QelTextBoxXP::HandleMouseUp(int button, int shift, float x, float y) {
    Raise(MouseUp, button, shift, x, y);
}

}  // namespace sentrel
