#pragma once
// The colours the XP controls paint with. With high contrast on, the user's system colours
// replace the controls' own colours and pictures, so that a caption is never drawn black on a
// black theme; with it off, the controls look exactly as designed. Colours come back as the
// toolkit stores them: a system colour is its index with the high bit set.
#include "controls/hyper_link.h"
#include "controls/qel_check_box_xp.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xpcmdbutton.h"

namespace sentrel {

// System colour indexes, as the platform numbers them.
enum SystemColourIndex : Colour {
    kSysWindow = 5,
    kSysWindowFrame = 6,
    kSysWindowText = 8,
    kSysHighlight = 13,
    kSysButtonFace = 15,
    kSysGrayText = 17,
    kSysButtonText = 18,
    kSysHotLight = 26,
};
constexpr Colour SystemColour(SystemColourIndex index) {
    return 0x80000000U | index;
}

struct XpColours {
    Colour text;    // the caption or the text
    Colour back;    // the surface
    Colour frame;   // the box, the face's or the text box's outline (high contrast: no picture)
    Colour accent;  // the hover and focus frames under high contrast
    friend bool operator==(const XpColours&, const XpColours&) = default;
};

XpColours CheckBoxColours(const QelCheckBoxXP& box, bool highContrast);
XpColours ButtonColours(const xpcmdbutton& button, bool highContrast);
XpColours TextBoxColours(const QelTextBoxXP& box, bool highContrast);
XpColours LinkColours(const HyperLink& link, bool highContrast);

}  // namespace sentrel
