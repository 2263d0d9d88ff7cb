#include "controls/qel_check_box_xp.h"

#include <utility>

namespace sentrel {

namespace {

constexpr int kBoxTwips = 13 * kTwipsPerPixel;

}  // namespace

Size CheckBoxSizeTwips(bool captionEmpty, TextExtent label) {
    if (captionEmpty) {
        return {kBoxTwips, kBoxTwips};
    }
    return {QelCheckBoxXP::kLabelLeft * kTwipsPerPixel + PixelsToTwips(label.width, label.dpi),
            kBoxTwips};
}

QelCheckBoxXP::QelCheckBoxXP(std::string name) : CaptionSizedControl(std::move(name)) {
    // Creation. The surface starts in the button-face colour rather than black, so that an
    // instance shows sensibly even before its properties are applied.
    backColour_ = kSystemButtonFace;
    tmrHover.Tick = [this] { OnHoverTick(); };
    DrawNormal();
    QelCheckBoxXP::ApplyResizeRule();
}

void QelCheckBoxXP::SetValue(int value) {
    value_ = value < 0 ? 0 : (value > 1 ? 1 : value);
    DrawNormal();
}

void QelCheckBoxXP::SetCaption(const std::string& caption) {
    caption_ = caption;
    ApplyResizeRule();
    Changed();
}

void QelCheckBoxXP::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (enabled) {
        DrawNormal();
    } else {
        DrawDisabled();
    }
}

void QelCheckBoxXP::SetFont(const Font& font) {
    font_ = font;
    ApplyResizeRule();
    Changed();
}

void QelCheckBoxXP::SetBackColor(Colour colour) {
    backColour_ = colour;
    Changed();
}

void QelCheckBoxXP::SetForeColor(Colour colour) {
    foreColour_ = colour;
    // A disabled caption keeps its colour until enabled and set again.
    if (Enabled()) {
        labelColour_ = colour;
    }
    Changed();
}

void QelCheckBoxXP::SetTextMeasure(TextMeasure measure) {
    measure_ = measure ? std::move(measure) : TextMeasure(EstimateTextExtent);
    ApplyResizeRule();
}

void QelCheckBoxXP::ApplyResizeRule() {
    const TextExtent label = caption_.empty() ? TextExtent{} : measure_(caption_, font_);
    SizeTo(CheckBoxSizeTwips(caption_.empty(), label));
}

void QelCheckBoxXP::Show(int picture) {
    if (picture_ != picture) {
        picture_ = picture;
        Changed();
    }
}

void QelCheckBoxXP::DrawNormal() {
    if (!Enabled()) {
        DrawDisabled();
        return;
    }
    Show(Value() == 1 ? kPicChecked : kPicUnchecked);
}

void QelCheckBoxXP::DrawDisabled() {
    Show(Value() == 1 ? kPicCheckedDisabled : kPicUncheckedDisabled);
}

bool QelCheckBoxXP::CursorStrictlyInside() {
    return pointer_ != nullptr && pointer_->WindowRect().StrictlyContains(pointer_->CursorPos());
}

void QelCheckBoxXP::HandleMouseDown(int button, int shift, float x, float y) {
    if (button != 1) {
        return;
    }
    if (Enabled()) {
        Show(Value() == 1 ? kPicCheckedPressed : kPicUncheckedPressed);
    }
    Raise(MouseDown, button, shift, x, y);
}

void QelCheckBoxXP::HandleMouseMove(int button, int shift, float x, float y) {
    if (!CursorStrictlyInside()) {
        return;
    }
    if (!tmrHover.Enabled()) {
        tmrHover.SetEnabled(true);
    }
    Raise(MouseMove, button, shift, x, y);
    if (!Enabled()) {
        return;
    }
    if (button == 1) {
        Show(Value() == 1 ? kPicCheckedPressed : kPicUncheckedPressed);
    } else {
        Show(Value() == 1 ? kPicCheckedHover : kPicUncheckedHover);
    }
}

void QelCheckBoxXP::HandleMouseUp(int button, int shift, float x, float y) {
    Raise(MouseUp, button, shift, x, y);
}

void QelCheckBoxXP::UserClick() {
    if (!Enabled()) {
        return;
    }
    SetValue(Value() == 1 ? 0 : 1);
    DrawNormal();
    Raise(Click);
}

void QelCheckBoxXP::OnKeyDown(int keyCode, bool /*repeat*/) {
    if (keyCode == static_cast<int>(Key::Space) && Enabled()) {
        spaceDown_ = true;
        Show(Value() == 1 ? kPicCheckedPressed : kPicUncheckedPressed);
    }
}

void QelCheckBoxXP::OnKeyUp(int keyCode) {
    if (keyCode == static_cast<int>(Key::Space) && std::exchange(spaceDown_, false)) {
        UserClick();
    }
}

void QelCheckBoxXP::HandleFocusLost() {
    if (std::exchange(spaceDown_, false)) {
        DrawNormal();
    }
}

void QelCheckBoxXP::OnHoverTick() {
    if (CursorStrictlyInside()) {
        return;
    }
    tmrHover.SetEnabled(false);
    DrawNormal();
    Raise(MouseOut);
}

}  // namespace sentrel
