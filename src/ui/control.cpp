#include "ui/control.h"

namespace sentrel {

void Control::SetBounds(const Bounds& bounds) {
    if (bounds_ != bounds) {
        bounds_ = bounds;
        Changed();
    }
}

void Control::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Changed();
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Changed();
    }
}

void Control::SetToolTipText(const std::string& text) {
    if (toolTip_ != text) {
        toolTip_ = text;
        Changed();
    }
}

void Control::SetTag(const std::string& tag) {
    tag_ = tag;
}

void Control::ZOrder() {
    ++zOrderRequests_;
    Changed();
}

}  // namespace sentrel
