#include "controls/button_face.h"

namespace sentrel {

std::array<SlicePiece, 9> NineSlicePieces(int w, int h) {
    return {{
        {{0, 0, 3, 3}, {0, 0, 3, 3}},            // top-left corner
        {{w - 3, 0, 3, 3}, {15, 0, 3, 3}},       // top-right corner
        {{w - 3, h - 3, 3, 3}, {15, 18, 3, 3}},  // bottom-right corner
        {{0, h - 3, 3, 3}, {0, 18, 3, 3}},       // bottom-left corner
        {{3, 0, w - 6, 3}, {3, 0, 12, 3}},       // top edge
        {{w - 3, 3, 3, h - 6}, {15, 3, 3, 15}},  // right edge
        {{0, 3, 3, h - 6}, {0, 3, 3, 15}},       // left edge
        {{3, h - 3, w - 6, 3}, {3, 18, 12, 3}},  // bottom edge
        {{3, 3, w - 6, h - 6}, {3, 3, 12, 15}},  // centre
    }};
}

Point ButtonCaptionPosition(int width, int height, TextExtent label,
                            std::optional<int> pictureWidth, bool captionEmpty) {
    const int top = (height - label.height) / 2;
    if (pictureWidth) {
        // Painting the picture places the caption last, shifted by k.
        const int k = captionEmpty ? -2 : 1;
        return {(width - label.width) / 2 + *pictureWidth / 2 - k + 4, top};
    }
    return {(width - label.width) / 2 + 1, top};
}

Point ButtonPicturePosition(Point caption, int pictureWidth) {
    return {caption.x - pictureWidth - 3, caption.y / 2};
}

namespace {

constexpr int kW = kFaceCellWidth;
constexpr int kH = kFaceCellHeight;
constexpr Colour kRing = Rgb(0, 60, 116);
constexpr Colour kDisabledRing = Rgb(201, 199, 186);

Colour Darker(Colour c, int by) {
    const auto down = [by](int v) { return v > by ? v - by : 0; };
    return Rgb(down(RedOf(c)), down(GreenOf(c)), down(BlueOf(c)));
}

using Cell = std::array<Colour, static_cast<std::size_t>(kW) * kH>;

void Put(Cell& cell, int x, int y, Colour c) {
    cell[static_cast<std::size_t>(y) * kW + static_cast<std::size_t>(x)] = c;
}

// Sets the same pixel pattern at all four corners; (dx, dy) counted from each corner.
void PutAtCorners(Cell& cell, int dx, int dy, Colour c) {
    Put(cell, dx, dy, c);
    Put(cell, kW - 1 - dx, dy, c);
    Put(cell, dx, kH - 1 - dy, c);
    Put(cell, kW - 1 - dx, kH - 1 - dy, c);
}

void DrawRing(Cell& cell, Colour ring) {
    for (int x = 0; x < kW; ++x) {
        Put(cell, x, 0, ring);
        Put(cell, x, kH - 1, ring);
    }
    for (int y = 0; y < kH; ++y) {
        Put(cell, 0, y, ring);
        Put(cell, kW - 1, y, ring);
    }
}

void DrawBlueRingCorners(Cell& cell) {
    PutAtCorners(cell, 0, 0, Rgb(221, 215, 197));
    PutAtCorners(cell, 1, 0, Rgb(101, 134, 159));
    PutAtCorners(cell, 0, 1, Rgb(101, 134, 159));
    PutAtCorners(cell, 1, 1, Rgb(34, 85, 131));
}

Colour NormalBody(int y) {
    if (y <= 2) {
        return kWhite;
    }
    if (y <= 9) {
        return Blend(kWhite, Rgb(246, 246, 243), y - 2, 7);
    }
    if (y <= 16) {
        return Blend(Rgb(246, 246, 243), Rgb(240, 240, 234), y - 9, 7);
    }
    static constexpr Colour kBottom[] = {Rgb(236, 235, 230), Rgb(226, 223, 214),
                                         Rgb(214, 208, 197)};
    return kBottom[y - 17];
}

Cell NormalCell() {
    Cell cell{};
    for (int y = 1; y < kH - 1; ++y) {
        for (int x = 1; x < kW - 1; ++x) {
            const Colour body = NormalBody(y);
            Put(cell, x, y, x >= kW - 3 ? Darker(body, 6) : body);
        }
    }
    DrawRing(cell, kRing);
    DrawBlueRingCorners(cell);
    return cell;
}

Cell PressedCell() {
    Cell cell{};
    for (int y = 1; y < kH - 1; ++y) {
        for (int x = 1; x < kW - 1; ++x) {
            Colour c = Blend(Rgb(230, 230, 224), Rgb(224, 224, 215), y - 3, 14);
            if (y == 1) {
                c = Rgb(209, 204, 193);
            } else if (y == 2) {
                c = Rgb(220, 216, 207);
            } else if (y == kH - 3) {
                c = Rgb(234, 233, 227);
            } else if (y == kH - 2) {
                c = Rgb(242, 241, 238);
            } else if (x <= 2) {
                c = Rgb(215, 212, 203);
            }
            Put(cell, x, y, c);
        }
    }
    DrawRing(cell, kRing);
    DrawBlueRingCorners(cell);
    return cell;
}

Cell DisabledCell() {
    Cell cell{};
    for (int y = 1; y < kH - 1; ++y) {
        for (int x = 1; x < kW - 1; ++x) {
            Put(cell, x, y, Rgb(245, 244, 234));
        }
    }
    DrawRing(cell, kDisabledRing);
    PutAtCorners(cell, 0, 0, kWhite);
    PutAtCorners(cell, 1, 1, Rgb(216, 214, 202));
    PutAtCorners(cell, 2, 1, Rgb(234, 233, 222));
    PutAtCorners(cell, 1, 2, Rgb(238, 237, 226));
    return cell;
}

struct FrameColours {
    Colour top1, top2, sideFrom, sideTo, bottom1, bottom2;
};

// A 2-pixel frame just inside the ring, over the normal face.
Cell FramedCell(const FrameColours& f) {
    Cell cell = NormalCell();
    for (int x = 1; x < kW - 1; ++x) {
        Put(cell, x, 1, f.top1);
        Put(cell, x, 2, f.top2);
        Put(cell, x, kH - 3, f.bottom1);
        Put(cell, x, kH - 2, f.bottom2);
    }
    for (int y = 3; y < kH - 3; ++y) {
        const Colour side = Blend(f.sideFrom, f.sideTo, y - 3, kH - 7);
        for (int x : {1, 2, kW - 3, kW - 2}) {
            Put(cell, x, y, side);
        }
    }
    DrawBlueRingCorners(cell);
    return cell;
}

Cell RenderCell(int face) {
    switch (face) {
        case kFacePressed:
            return PressedCell();
        case kFaceDisabled:
            return DisabledCell();
        case kFaceHover:
            return FramedCell({Rgb(255, 240, 207), Rgb(253, 216, 137), Rgb(254, 223, 154),
                               Rgb(249, 180, 53), Rgb(248, 179, 48), Rgb(229, 151, 0)});
        case kFaceHighlighted: {
            Cell cell = FramedCell({Rgb(206, 231, 255), Rgb(188, 212, 246), Rgb(186, 211, 245),
                                    Rgb(137, 173, 228), Rgb(137, 173, 228), Rgb(105, 130, 238)});
            PutAtCorners(cell, 1, 1, Rgb(39, 77, 133));
            return cell;
        }
        default:
            return NormalCell();
    }
}

}  // namespace

std::vector<Colour> RenderFaceStrip() {
    std::vector<Colour> strip(static_cast<std::size_t>(kFaceStripWidth) * kH);
    for (int face = 0; face < kFaceCount; ++face) {
        const Cell cell = RenderCell(face);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                strip[static_cast<std::size_t>(y) * kFaceStripWidth +
                      static_cast<std::size_t>(face * kW + x)] =
                    cell[static_cast<std::size_t>(y) * kW + static_cast<std::size_t>(x)];
            }
        }
    }
    return strip;
}

Colour FaceStripPixel(const std::vector<Colour>& strip, int face, int x, int y) {
    return strip.at(static_cast<std::size_t>(y) * kFaceStripWidth +
                    static_cast<std::size_t>(face * kFaceCellWidth + x));
}

}  // namespace sentrel
