#include "controls/high_contrast.h"

namespace sentrel {

namespace {

constexpr Colour kHighlight = SystemColour(kSysHighlight);

// A caption on a button face in the user's colours: greyed while disabled, the box or face
// outlined in the highlight while hovered or pressed.
XpColours OnButtonFace(bool enabled, bool hot) {
    const Colour text = SystemColour(enabled ? kSysButtonText : kSysGrayText);
    return {text, SystemColour(kSysButtonFace), hot ? kHighlight : text, kHighlight};
}

}  // namespace

XpColours CheckBoxColours(const QelCheckBoxXP& box, bool highContrast) {
    if (highContrast) {
        const int p = box.Picture();
        return OnButtonFace(box.Enabled(), p == kPicUncheckedHover || p == kPicCheckedHover ||
                                               p == kPicCheckedPressed ||
                                               p == kPicUncheckedPressed);
    }
    const Colour text = box.CaptionGreyed() ? SystemColour(kSysGrayText) : box.CaptionColour();
    return {text, box.BackColor(), text, text};
}

XpColours ButtonColours(const xpcmdbutton& button, bool highContrast) {
    if (highContrast) {
        return OnButtonFace(button.Enabled(),
                            button.Face() == kFaceHover || button.Face() == kFacePressed);
    }
    const Colour text = button.CaptionColour();
    return {text, kSystemButtonFace, text, text};
}

XpColours TextBoxColours(const QelTextBoxXP& box, bool highContrast) {
    if (highContrast) {
        return {SystemColour(kSysWindowText), SystemColour(kSysWindow),
                SystemColour(kSysWindowFrame), kHighlight};
    }
    return {box.InnerForeColor(), box.InnerBackColor(), box.OutlineColour(), box.OutlineColour()};
}

XpColours LinkColours(const HyperLink& link, bool highContrast) {
    if (highContrast) {
        return {SystemColour(kSysHotLight), SystemColour(kSysButtonFace), kHighlight, kHighlight};
    }
    return {link.LabelColour(), kSystemButtonFace, link.LabelColour(), link.LabelColour()};
}

}  // namespace sentrel
