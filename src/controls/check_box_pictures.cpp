#include "controls/check_box_pictures.h"

namespace sentrel {

namespace {

constexpr Colour kBlueBorder = Rgb(28, 81, 128);
constexpr Colour kGreyBorder = Rgb(202, 200, 187);
constexpr Colour kTick = Rgb(33, 161, 33);
constexpr Colour kPressedTick = Rgb(21, 112, 21);
constexpr Colour kDisabledTick = Rgb(202, 200, 187);

bool IsTick(int x, int y) {
    // A three-pixel-thick tick: down from (3,5) to (5,7), then up to (9,3).
    static constexpr int kTop[] = {5, 6, 7, 6, 5, 4, 3};
    return x >= 3 && x <= 9 && y >= kTop[x - 3] && y <= kTop[x - 3] + 2;
}

enum class Face { Normal, Hover, Pressed, Disabled };

struct Look {
    Face face;
    bool ticked;
};

Look LookOf(int index) {
    switch (index) {
        case 1:
            return {Face::Hover, false};
        case 2:
            return {Face::Normal, true};
        case 3:
            return {Face::Hover, true};
        case 4:
            return {Face::Pressed, true};
        case 5:
            return {Face::Disabled, true};
        case 6:
            return {Face::Disabled, false};
        case 7:
            return {Face::Pressed, false};
        default:
            return {Face::Normal, false};
    }
}

Colour Inside(Face face, int x, int y) {
    // Inner pixels run 1..11; the gradients run along the diagonal from the top left.
    const int step = (x - 1) + (y - 1);
    switch (face) {
        case Face::Disabled:
            return kWhite;
        case Face::Pressed:
            return Blend(Rgb(176, 176, 167), Rgb(231, 230, 224), step, 20);
        case Face::Hover: {
            const bool frame = x <= 2 || y <= 2 || x >= 10 || y >= 10;
            if (frame) {
                return Blend(Rgb(255, 240, 207), Rgb(248, 179, 48), step, 20);
            }
            return Blend(Rgb(220, 220, 215), kWhite, step, 20);
        }
        case Face::Normal:
            break;
    }
    return Blend(Rgb(220, 220, 215), kWhite, step, 20);
}

}  // namespace

CheckBoxPixels CheckBoxPicture(int index) {
    const Look look = LookOf(index);
    const Colour border = look.face == Face::Disabled ? kGreyBorder : kBlueBorder;
    const Colour tick = look.face == Face::Disabled  ? kDisabledTick
                        : look.face == Face::Pressed ? kPressedTick
                                                     : kTick;
    CheckBoxPixels pixels{};
    for (int y = 0; y < kCheckBoxPictureSize; ++y) {
        for (int x = 0; x < kCheckBoxPictureSize; ++x) {
            const bool ring =
                x == 0 || y == 0 || x == kCheckBoxPictureSize - 1 || y == kCheckBoxPictureSize - 1;
            Colour colour = ring ? border : Inside(look.face, x, y);
            if (!ring && look.ticked && IsTick(x, y)) {
                colour = tick;
            }
            pixels[static_cast<std::size_t>(y) * kCheckBoxPictureSize +
                   static_cast<std::size_t>(x)] = colour;
        }
    }
    return pixels;
}

}  // namespace sentrel
