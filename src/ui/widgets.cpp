#include "ui/widgets.h"

namespace sentrel {

void Label::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed();
    }
}

void Label::SetForeColor(Colour colour) {
    if (foreColour_ != colour) {
        foreColour_ = colour;
        Changed();
    }
}

void Label::SetFont(const Font& font) {
    if (font_ != font) {
        font_ = font;
        Changed();
    }
}

void Label::SetAlignment(Alignment alignment) {
    if (alignment_ != alignment) {
        alignment_ = alignment;
        Changed();
    }
}

void Frame::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed();
    }
}

void Frame::SetForeColor(Colour colour) {
    if (foreColour_ != colour) {
        foreColour_ = colour;
        Changed();
    }
}

void Image::SetPicture(const std::string& resourceName) {
    if (picture_ != resourceName) {
        picture_ = resourceName;
        Changed();
    }
}

void Image::SetHandCursor(bool hand) {
    if (handCursor_ != hand) {
        handCursor_ = hand;
        Changed();
    }
}

void Timer::SetInterval(int ms) {
    if (interval_ != ms) {
        interval_ = ms;
        Changed();
    }
}

}  // namespace sentrel
