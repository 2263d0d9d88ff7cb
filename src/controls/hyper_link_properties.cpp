// The hyperlink's saved layout. A new link highlights in dark blue, but the layout's default
// highlight is white, so a new link's colour is always written.
#include "controls/hyper_link.h"

namespace sentrel {

namespace {}  // namespace

void HyperLink::InitProperties(const AmbientProperties& /*ambient*/) {
    // The fields only: the label keeps its design caption and colour, which equal these.
    caption_ = "-- Link --";
    SetToolTipText("");
    url_.clear();
    minimiseOnClick_ = false;
    closeOnClick_ = false;
    mouseOutCheckDelay_ = 50;
    hilightColour_ = kNewLinkHilight;
    linkColour_ = kLinkBlue;
    underlined_ = false;
}

void HyperLink::ReadProperties(const PropertyBag& bag, const AmbientProperties& /*ambient*/) {
    caption_ = bag.ReadString("Caption", "Qel HyperLink");
    const std::string toolTip = bag.ReadString("ToolTipText", "");
    url_ = bag.ReadString("URL", "");
    minimiseOnClick_ = bag.ReadBool("MinimiseOnClick", false);
    closeOnClick_ = bag.ReadBool("CloseOnClick", false);
    mouseOutCheckDelay_ = static_cast<int>(bag.ReadLong("MouseOutCheckDelay", 50));
    hilightColour_ = bag.ReadColour("HilightColour", kWhite);
    linkColour_ = bag.ReadColour("LinkColour", kLinkBlue);
    underlined_ = bag.ReadBool("Underlined", false);

    SetURL(url_);
    labelCaption_ = caption_;
    SetToolTipText(toolTip);
    SetLabelColour(linkColour_);
    tmrMouseOut.SetInterval(mouseOutCheckDelay_);
    labelFont_ = Font{"Tahoma", 8, false, underlined_};
    ApplyResizeRule();
    Changed();
}

void HyperLink::WriteProperties(PropertyBag& bag, const AmbientProperties& /*ambient*/) const {
    bag.WriteString("Caption", caption_);
    bag.WriteString("URL", url_);
    bag.WriteBool("MinimiseOnClick", minimiseOnClick_, false);
    bag.WriteBool("CloseOnClick", closeOnClick_, false);
    bag.WriteLong("MouseOutCheckDelay", mouseOutCheckDelay_, 50);
    bag.WriteString("ToolTipText", ToolTipText());
    bag.WriteColour("HilightColour", hilightColour_, kWhite);
    bag.WriteColour("LinkColour", linkColour_, kLinkBlue);
    bag.WriteBool("Underlined", underlined_, false);
}

}  // namespace sentrel
