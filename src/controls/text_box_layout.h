#pragma once
// The XP text box's inner layout: the edit box sits at (75, 45) twips inside a white, outlined
// rectangle that covers the whole control, 145 twips narrower and 120 twips lower than it.
#include "ui/geometry.h"

namespace sentrel {

constexpr Bounds kTextBoxDesignInnerBox{75, 45, 1380, 210};
constexpr Colour kTextBoxBorderColour = Rgb(127, 157, 185);

// The edit box for a control of width x height twips. A size smaller than the margins keeps the
// previous value of that size.
Bounds TextBoxInnerBox(int width, int height, const Bounds& previous);

}  // namespace sentrel
