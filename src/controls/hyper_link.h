#pragma once
// A one-line text link. The text takes the highlight colour while the mouse is over it (a timer
// polls for the mouse leaving) and a click opens the address, optionally minimising or closing
// the window that holds the link. "{app}" in the address stands for the program's folder.
#include <string>

#include "controls/caption_sized_control.h"
#include "controls/control_events.h"
#include "controls/hyper_link_site.h"
#include "controls/pointer_source.h"
#include "controls/property_bag.h"
#include "ui/control.h"
#include "ui/widgets.h"

namespace sentrel {

constexpr Colour kLinkBlue = Rgb(0, 0, 255);
constexpr Colour kNewLinkHilight = Rgb(0, 0, 175);

class HyperLink : public CaptionSizedControl {
public:
    explicit HyperLink(std::string name);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url);

    bool MinimiseOnClick() const { return minimiseOnClick_; }
    void SetMinimiseOnClick(bool minimise);
    bool CloseOnClick() const { return closeOnClick_; }
    void SetCloseOnClick(bool close);
    // Reading it also sets the mouse-out timer's interval.
    int MouseOutCheckDelay();
    void SetMouseOutCheckDelay(int ms);
    Colour HilightColour() const { return hilightColour_; }
    void SetHilightColour(Colour colour) { hilightColour_ = colour; }
    Colour LinkColour() const { return linkColour_; }
    void SetLinkColour(Colour colour);
    bool Underlined() const { return underlined_; }
    void SetUnderlined(bool underlined);
    // The tool tip; kept under "ToolTipText" in the saved layout.
    const std::string& ToolTip() const { return ToolTipText(); }
    void SetToolTip(const std::string& text);

    // What the host paints: the label's text, colour and font; it sits one pixel above the
    // control's top edge, 2 pixels from its left.
    const std::string& LabelCaption() const { return labelCaption_; }
    Colour LabelColour() const { return labelColour_; }
    const Font& LabelFont() const { return labelFont_; }
    static constexpr int kLabelLeftTwips = 30;
    static constexpr int kLabelTopTwips = -15;

    // Repaints the control.
    void Refresh() { Changed(); }

    // Inputs from the host.
    void HandleLabelMouseMove();
    void HandleClick();
    // A complete click by the user.
    void UserClick() { HandleClick(); }

    // The mouse-out timer; the host runs it as a window timer.
    Timer tmrMouseOut{"tmrMouseOut", 100};
    bool HoverTimerRunning() const { return hoverTimerRunning_; }

    void SetPointerSource(PointerSource* pointer) { pointer_ = pointer; }
    void SetSite(HyperLinkSite* site) { site_ = site; }
    HyperLinkSite* Site() const { return site_; }
    void SetTextMeasure(TextMeasure measure);

    // The control hugs its auto-sized label, within its room.
    void ApplyResizeRule() override;

    void InitProperties(const AmbientProperties& ambient);
    void ReadProperties(const PropertyBag& bag, const AmbientProperties& ambient);
    void WriteProperties(PropertyBag& bag, const AmbientProperties& ambient) const;

private:
    void SetLabelColour(Colour colour);
    void OnMouseOutTick();

    std::string caption_ = "-- Link --";
    std::string url_;
    bool minimiseOnClick_ = false;
    bool closeOnClick_ = false;
    int mouseOutCheckDelay_ = 50;
    Colour hilightColour_ = kNewLinkHilight;
    Colour linkColour_ = kLinkBlue;
    bool underlined_ = false;
    bool hoverTimerRunning_ = false;

    std::string labelCaption_ = "-- Link --";
    Colour labelColour_ = kLinkBlue;
    Font labelFont_{"Tahoma", 8, false, false};
    PointerSource* pointer_ = nullptr;
    HyperLinkSite* site_ = nullptr;
    TextMeasure measure_ = EstimateTextExtent;
};

// The control's size in twips for its label's measured extent: it ends where the label does
// (the label starts kLabelLeftTwips in) and is 15 twips lower than the label.
Size HyperLinkSizeTwips(TextExtent label);

// The address with every "{app}" replaced by the program's folder, without a trailing "\".
std::string SubstituteAppFolder(const std::string& url, std::string appPath);

}  // namespace sentrel
