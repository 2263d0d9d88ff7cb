#include "controls/xpcmdbutton.h"

#include <utility>

namespace sentrel {

xpcmdbutton::xpcmdbutton(std::string name) : Control(std::move(name)) {
    Timer1.Tick = [this] { OnTimer(); };
}

void xpcmdbutton::SetState(int state) {
    state_ = state;
    RefreshFace();
}

void xpcmdbutton::SetCaption(const std::string& caption) {
    caption_ = caption;
    RefreshFace();
    Changed();
}

void xpcmdbutton::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    RefreshFace();
}

void xpcmdbutton::SetFont(const Font& font) {
    font_ = font;
    RefreshFace();
    Changed();
}

void xpcmdbutton::SetPictureNormal(const std::optional<ButtonPicture>& picture) {
    picture_ = picture;
    RefreshFace();
    // The picture is painted over the idle face even on a disabled button.
    Paint(idleFace_);
    Changed();
}

char xpcmdbutton::AccessKey() const {
    for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] == '&') {
            if (caption_[i + 1] != '&') {
                return caption_[i + 1];
            }
            ++i;
        }
    }
    return 0;
}

void xpcmdbutton::RefreshFace() {
    if (state_ == 1) {
        idleFace_ = kFaceHighlighted;
    } else if (state_ == 0) {
        idleFace_ = kFaceNormal;
    }
    Paint(Enabled() ? idleFace_ : kFaceDisabled);
}

void xpcmdbutton::Paint(int face) {
    if (face_ != face) {
        face_ = face;
        Changed();
    }
}

bool xpcmdbutton::CursorOnButton() {
    if (pointer_ == nullptr) {
        return false;
    }
    const Point p = CursorInClient(*pointer_);
    const Size size = ClientSize();
    return p.x >= 0 && p.y >= 0 && p.x <= size.width && p.y <= size.height;
}

Size xpcmdbutton::ClientSize() const {
    if (pointer_ != nullptr) {
        const Rect window = pointer_->WindowRect();
        return {window.Width(), window.Height()};
    }
    return {GetBounds().width / kTwipsPerPixel, GetBounds().height / kTwipsPerPixel};
}

void xpcmdbutton::HandleMouseDown(int button, int shift, float x, float y) {
    Raise(MouseDown, button, shift, x, y);
    if (button == 1) {
        mousePressed_ = true;
        Paint(kFacePressed);
    }
}

void xpcmdbutton::HandleMouseMove(int button, int shift, float x, float y) {
    Timer1.SetEnabled(true);
    const Size size = ClientSize();
    const bool inside = x >= 0 && y >= 0 && x <= static_cast<float>(size.width) &&
                        y <= static_cast<float>(size.height);
    if (!inside) {
        return;
    }
    Raise(MouseMove, button, shift, x, y);
    Paint(button == 1 ? kFacePressed : kFaceHover);
}

// Only a release that ends a press begun on the button clicks: a release whose press went to
// another window (a double click in a dialog lying over the button) does not.
void xpcmdbutton::HandleMouseUp(int button, int shift, float x, float y) {
    const bool inside = CursorOnButton();
    const bool pressed = button == 1 && std::exchange(mousePressed_, false);
    RefreshFace();
    Raise(MouseUp, button, shift, x, y);
    if (inside && pressed) {
        Raise(Click);
    }
}

void xpcmdbutton::HandleCaptureLost() {
    mousePressed_ = false;
    RefreshFace();
}

void xpcmdbutton::OnKeyDown(int keyCode, bool repeat) {
    if (!Enabled()) {
        return;
    }
    if (keyCode == static_cast<int>(Key::Space)) {
        spaceDown_ = true;
        Paint(kFacePressed);
    } else if (keyCode == static_cast<int>(Key::Return) && !repeat) {
        Raise(Click);
    }
}

void xpcmdbutton::OnKeyUp(int keyCode) {
    if (keyCode == static_cast<int>(Key::Space) && std::exchange(spaceDown_, false)) {
        RefreshFace();
        UserClick();
    }
}

void xpcmdbutton::HandleFocusLost() {
    if (std::exchange(spaceDown_, false)) {
        RefreshFace();
    }
}

void xpcmdbutton::HandleAccessKey() {
    if (Enabled()) {
        Raise(Click);
    }
}

void xpcmdbutton::UserClick() {
    if (Enabled()) {
        Raise(Click);
    }
}

void xpcmdbutton::OnTimer() {
    if (CursorOnButton()) {
        return;
    }
    Timer1.SetEnabled(false);
    Raise(MouseOut);
    RefreshFace();
}

}  // namespace sentrel
