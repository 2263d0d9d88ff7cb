// The text box's saved layout. The layout holds its keys in lower case and they are looked up
// without regard to case. BackColor and ForeColor are not read: a loaded box is black on white.
#include "controls/qel_text_box_xp.h"

namespace sentrel {

namespace {

Alignment AlignmentOf(long value) {
    switch (value) {
        case 1:
            return Alignment::Right;
        case 2:
            return Alignment::Centre;
        default:
            return Alignment::Left;
    }
}

}  // namespace

void QelTextBoxXP::ReadProperties(const PropertyBag& layout, const AmbientProperties& ambient) {
    const PropertyBag bag = layout.IgnoringKeyCase();
    SetBackColor(kWhite);
    SetForeColor(0);

    const bool enabled = bag.ReadBool("Enabled", true);
    const Font font = bag.ReadFont("Font", ambient.font);
    const long borderStyle = bag.ReadLong("BorderStyle", 1);
    const long alignment = bag.ReadLong("Alignment", 0);
    const int appearance = static_cast<int>(bag.ReadLong("Appearance", 1));
    // Kept and returned by BorderColor, but the outline keeps its colour until it is set.
    borderColour_ = bag.ReadColour("BorderColor", kTextBoxBorderColour);
    const int borderWidth = static_cast<int>(bag.ReadLong("BorderWidth", 1));
    const long drawMode = bag.ReadLong("DrawMode", 13);
    const bool locked = bag.ReadBool("Locked", false);
    const std::string activate = bag.ReadString("ActivateCtrlOnReturnKey", "");
    highlightOnFocus_ = bag.ReadBool("HighlightOnFocus", false);
    inputType_ = bag.ReadLong("InputType", 0);
    const long maxLength = bag.ReadLong("MaxLength", 0);
    const std::string passwordChar = bag.ReadString("PasswordChar", "");
    multiLine_ = bag.ReadBool("MultiLine", false);
    const long selLength = bag.ReadLong("SelLength", 0);
    const long selStart = bag.ReadLong("SelStart", 0);
    selText_ = bag.ReadString("SelText", "");
    const std::string text = bag.ReadString("Text", "");
    const std::string toolTip = bag.ReadString("ToolTipText", "");

    activateCtrl_ =
        activate.empty() || !ambient.findControl ? nullptr : ambient.findControl(activate);
    SetEnabled(enabled);
    SetFont(font);
    SetBorderStyle(borderStyle);
    SetAlignment(AlignmentOf(alignment));
    SetAppearance(appearance);
    SetBorderWidth(borderWidth);
    SetDrawMode(drawMode);
    SetLocked(locked);
    SetMaxLength(maxLength);
    SetPasswordChar(passwordChar);
    SetSelLength(selLength);
    SetSelStart(selStart);
    SetText(text);
    SetToolTipText(toolTip);
}

void QelTextBoxXP::WriteProperties(PropertyBag& bag, const AmbientProperties& /*ambient*/) const {
    bag.WriteColour("backcolor", backColour_, kWhite);
    bag.WriteColour("forecolor", foreColour_, kWhite);
    bag.WriteBool("enabled", Enabled(), true);
    if (font_) {
        bag.WriteFont("font", *font_);
    }
    bag.WriteLong("borderstyle", borderStyle_, 1);
    bag.WriteLong("alignment", static_cast<long>(alignment_), 0);
    bag.WriteLong("appearance", appearance_, 1);
    bag.WriteColour("bordercolor", borderColour_, kTextBoxBorderColour);
    bag.WriteLong("borderwidth", borderWidth_, 1);
    bag.WriteLong("drawmode", drawMode_, 13);
    bag.WriteBool("locked", locked_, false);
    bag.WriteString("activatectrlonreturnkey", activateCtrl_ ? activateCtrl_->Name() : "", "");
    bag.WriteBool("highlightonfocus", highlightOnFocus_, false);
    bag.WriteLong("inputtype", inputType_, 0);
    bag.WriteLong("maxlength", maxLength_, 0);
    bag.WriteString("passwordchar", passwordChar_, "");
    bag.WriteBool("multiline", multiLine_, false);
    bag.WriteLong("sellength", selLength_, 0);
    bag.WriteLong("selstart", selStart_, 0);
    bag.WriteString("seltext", selText_, "");
    bag.WriteString("text", text_, "");
    bag.WriteString("tooltiptext", ToolTipText(), "");
}

}  // namespace sentrel
