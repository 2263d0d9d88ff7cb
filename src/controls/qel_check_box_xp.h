#pragma once
// The program's XP-styled check box: a 13 x 13 box picture with a caption to its right. It
// toggles on every click on the box or the caption, shows a hover frame while the mouse is over
// it (a 25 ms timer watches for the mouse leaving). Like a standard check box, the space bar
// toggles it when it is let go.
#include <string>

#include "controls/caption_sized_control.h"
#include "controls/control_events.h"
#include "controls/pointer_source.h"
#include "controls/property_bag.h"
#include "ui/control.h"
#include "ui/widgets.h"

namespace sentrel {

// The eight state pictures, by index.
enum CheckBoxPictureIndex : int {
    kPicUnchecked = 0,
    kPicUncheckedHover = 1,
    kPicChecked = 2,
    kPicCheckedHover = 3,
    kPicCheckedPressed = 4,
    kPicCheckedDisabled = 5,
    kPicUncheckedDisabled = 6,
    kPicUncheckedPressed = 7,
};

class QelCheckBoxXP : public CaptionSizedControl, public ButtonEvents {
public:
    explicit QelCheckBoxXP(std::string name);

    int Value() const { return value_ < 0 ? 0 : (value_ > 1 ? 1 : value_); }
    // Clamped into 0..1 and redrawn; setting it from code raises no Click.
    void SetValue(int value);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    void SetEnabled(bool enabled) override;

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    Colour BackColor() const { return backColour_; }
    void SetBackColor(Colour colour);
    Colour ForeColor() const { return foreColour_; }
    void SetForeColor(Colour colour);

    // What the host paints: the state picture, and the caption's colour and greying.
    int Picture() const { return picture_; }
    Colour CaptionColour() const { return labelColour_; }
    bool CaptionGreyed() const { return !Enabled(); }
    // The caption's place within the control, in pixels at 96 dpi.
    static constexpr int kLabelLeft = 18;

    // Events: ButtonEvents.

    // Inputs from the host (or a test), for the box, the caption or the surface alike.
    void HandleMouseDown(int button, int shift, float x, float y);
    void HandleMouseMove(int button, int shift, float x, float y);
    void HandleMouseUp(int button, int shift, float x, float y);
    // A complete click by the user on the box or its caption: toggles, then raises Click.
    void UserClick();
    void HandleFocusLost() override;

    // The hover timer; the host runs it as a window timer.
    Timer tmrHover{"tmrHover", 25};
    void SetPointerSource(PointerSource* pointer) { pointer_ = pointer; }
    // How the caption is measured (the host installs the real font's measure).
    void SetTextMeasure(TextMeasure measure);

    // The resize rule: the control ends at its caption's right edge (or at the end of its room)
    // and is always 195 twips high. Run on creation, on caption and font changes, and by the
    // host on every resize.
    void ApplyResizeRule() override;

    void ReadProperties(const PropertyBag& bag, const AmbientProperties& ambient);
    void WriteProperties(PropertyBag& bag, const AmbientProperties& ambient) const;

private:
    void OnKeyDown(int keyCode, bool repeat) override;
    void OnKeyUp(int keyCode) override;
    void DrawNormal();
    void DrawDisabled();
    void Show(int picture);
    void OnHoverTick();
    bool CursorStrictlyInside();

    int value_ = 0;
    std::string caption_;
    Font font_;
    Colour backColour_ = 0;
    Colour foreColour_ = 0;
    Colour labelColour_ = 0;
    int picture_ = kPicUnchecked;
    bool spaceDown_ = false;  // the space bar went down on the box and was not let go yet
    PointerSource* pointer_ = nullptr;
    TextMeasure measure_ = EstimateTextExtent;
};

// The control's size in twips for its caption's measured extent (empty caption: the box alone).
Size CheckBoxSizeTwips(bool captionEmpty, TextExtent label);

}  // namespace sentrel
