#pragma once
// Plain geometry and input types shared by the core and the Win32 layer.
#include <cstdint>

namespace sentrel {

// Red + 256 x green + 65536 x blue, the layout of a Windows COLORREF.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
           (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr Colour kWhite = Rgb(255, 255, 255);
// The colour step/steps of the way from one colour to another.
constexpr Colour Blend(Colour from, Colour to, int step, int steps) {
    if (steps <= 0) {
        return from;
    }
    const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return Rgb(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
               mix(BlueOf(from), BlueOf(to)));
}

// A system colour index with the high bit set, as the toolkit stores it (0x8000000F = button face).
constexpr Colour kSystemButtonFace = 0x8000000F;
constexpr bool IsSystemColour(Colour c) {
    return (c & 0x80000000U) != 0;
}

constexpr int kTwipsPerPixel = 15;  // at 96 dpi

// A length measured in pixels at `dpi` (a caption's extent) as twips, rounded to the nearest.
constexpr int PixelsToTwips(int pixels, int dpi) {
    const long long twips = static_cast<long long>(pixels) * 1440;
    const long long half = dpi / 2;
    return static_cast<int>(twips >= 0 ? (twips + half) / dpi : (twips - half) / dpi);
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A screen or client rectangle in pixels, right and bottom exclusive as Win32 has them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // The controls' hover tests treat the border itself as outside.
    constexpr bool StrictlyContains(Point p) const {
        return p.x > left && p.x < right && p.y > top && p.y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Position and size within the parent, in twips (the window's layout unit).
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

enum class MouseButton : int { None = 0, Left = 1, Right = 2, Middle = 4 };

// Shift state bits as the toolkit reports them with key and mouse events.
enum ShiftMask : int { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// Virtual key codes the core cares about (same values as the platform's).
enum class Key : int {
    Back = 0x08,
    Tab = 0x09,
    Return = 0x0D,
    Escape = 0x1B,
    Space = 0x20,
    Left = 0x25,
    Up = 0x26,
    Right = 0x27,
    Down = 0x28,
    Delete = 0x2E,
};

}  // namespace sentrel
