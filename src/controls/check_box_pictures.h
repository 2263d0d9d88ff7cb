#pragma once
// The check box's eight 13 x 13 state pictures, rendered from the theme's colours.
#include <array>

#include "ui/geometry.h"

namespace sentrel {

constexpr int kCheckBoxPictureSize = 13;
using CheckBoxPixels =
    std::array<Colour, static_cast<std::size_t>(kCheckBoxPictureSize) * kCheckBoxPictureSize>;

// Row by row from the top-left pixel; index 0 to 7 as QelCheckBoxXP::Picture() names them.
CheckBoxPixels CheckBoxPicture(int index);

constexpr Colour CheckBoxPixel(const CheckBoxPixels& pixels, int x, int y) {
    return pixels[static_cast<std::size_t>(y) * kCheckBoxPictureSize + static_cast<std::size_t>(x)];
}

}  // namespace sentrel
