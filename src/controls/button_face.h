#pragma once
// The XP button's face: the five-cell face strip, the nine-slice copies that stretch one cell
// to the button's size with its 3-pixel border intact, and the caption's place.
#include <array>
#include <optional>
#include <vector>

#include "controls/control_events.h"
#include "ui/geometry.h"

namespace sentrel {

// Faces, as the strip numbers its cells.
enum ButtonFace : int {
    kFaceNormal = 0,
    kFacePressed = 1,
    kFaceDisabled = 2,
    kFaceHover = 3,
    kFaceHighlighted = 4,
};

constexpr int kFaceCellWidth = 18;
constexpr int kFaceCellHeight = 21;
constexpr int kFaceCount = 5;
constexpr int kFaceStripWidth = kFaceCellWidth * kFaceCount;  // 90

struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

struct SlicePiece {
    PixelBox destination;
    PixelBox source;  // within one 18 x 21 cell
};

// The nine copies, in painting order: four corners, top, right, left and bottom edges, centre.
std::array<SlicePiece, 9> NineSlicePieces(int width, int height);

// Where the caption label goes on a button of width x height pixels. With a picture, its width
// in pixels moves the caption right (by less when the caption is empty).
Point ButtonCaptionPosition(int width, int height, TextExtent label,
                            std::optional<int> pictureWidth = std::nullopt,
                            bool captionEmpty = false);
// The top-left corner of the 16 x 16 picture, left of the caption.
Point ButtonPicturePosition(Point caption, int pictureWidth);

// The face strip drawn from the theme's colours: 90 x 21 pixels, row by row. The program's
// bitmap resource is made from it; the host also paints from it when the resource is missing.
std::vector<Colour> RenderFaceStrip();
Colour FaceStripPixel(const std::vector<Colour>& strip, int face, int x, int y);

}  // namespace sentrel
