// The button's saved layout: the order in which its properties are read and written.
#include "controls/xpcmdbutton.h"

namespace sentrel {

namespace {

std::optional<ButtonPicture> ReadPicture(const PropertyBag& bag) {
    const std::string resource = bag.ReadString("PictureNormal", "");
    if (resource.empty()) {
        return std::nullopt;
    }
    return ButtonPicture{resource, 16};
}

}  // namespace

void xpcmdbutton::ReadProperties(const PropertyBag& bag, const AmbientProperties& ambient) {
    state_ = static_cast<int>(bag.ReadLong("State", 0));
    const bool enabled = bag.ReadBool("Enabled", true);
    caption_ = bag.ReadString("Caption", ambient.displayName);
    SetFont(bag.ReadFont("Font", ambient.font));
    const int pointer = static_cast<int>(bag.ReadLong("MousePointer", 0));
    picture_ = ReadPicture(bag);
    SetCaption(caption_);
    SetEnabled(enabled);
    SetMousePointer(pointer);
}

void xpcmdbutton::WriteProperties(PropertyBag& bag, const AmbientProperties& ambient) const {
    bag.WriteLong("State", state_, 0);
    bag.WriteBool("Enabled", Enabled(), true);
    bag.WriteString("Caption", caption_, ambient.displayName);
    bag.WriteFont("Font", font_);
    bag.WriteLong("MousePointer", mousePointer_, 0);
    bag.WriteString("PictureNormal", picture_ ? picture_->resource : std::string());
}

}  // namespace sentrel
