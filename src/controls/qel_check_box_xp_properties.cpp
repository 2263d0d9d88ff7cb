// The check box's saved layout: the order in which its properties are read and written.
#include "controls/qel_check_box_xp.h"

namespace sentrel {

void QelCheckBoxXP::ReadProperties(const PropertyBag& bag, const AmbientProperties& ambient) {
    SetValue(static_cast<int>(bag.ReadLong("Value", 0)));
    SetCaption(bag.ReadString("Caption", ambient.displayName));
    SetToolTipText(bag.ReadString("ToolTipText", ""));
    SetEnabled(bag.ReadBool("Enabled", true));
    SetFont(bag.ReadFont("Font", ambient.font));
    SetBackColor(bag.ReadColour("BackColor", kSystemButtonFace));
    SetForeColor(bag.ReadColour("ForeColor", 0));
}

void QelCheckBoxXP::WriteProperties(PropertyBag& bag, const AmbientProperties& ambient) const {
    bag.WriteFont("Font", font_);
    bag.WriteLong("Value", Value(), 0);
    bag.WriteString("Caption", caption_, ambient.displayName);
    bag.WriteString("ToolTipText", ToolTipText(), "");
    bag.WriteBool("Enabled", Enabled(), true);
    bag.WriteColour("BackColor", backColour_, kSystemButtonFace);
    bag.WriteColour("ForeColor", foreColour_, 0);
}

}  // namespace sentrel
