#include <gtest/gtest.h>

#include "controls/button_face.h"
#include "controls/xpcmdbutton_host_win32.h"

namespace sentrel::test {
namespace {

// Whether the strip comes from the program's bitmap resource or is drawn in its absence, its
// cells carry the theme's fixed colours.
TEST(FaceStrip, CellsCarryTheThemesFixedColours) {
    const FaceStrip strip(GetModuleHandleW(nullptr));
    const std::vector<Colour> pixels = strip.Pixels();
    ASSERT_EQ(pixels.size(), 90U * 21U);
    EXPECT_EQ(FaceStripPixel(pixels, kFaceNormal, 8, 0), Rgb(0, 60, 116));
    EXPECT_EQ(FaceStripPixel(pixels, kFacePressed, 8, 0), Rgb(0, 60, 116));
    EXPECT_EQ(FaceStripPixel(pixels, kFaceDisabled, 8, 0), Rgb(201, 199, 186));
    EXPECT_EQ(FaceStripPixel(pixels, kFaceDisabled, 8, 10), Rgb(245, 244, 234));
    EXPECT_EQ(FaceStripPixel(pixels, kFaceHover, 8, 1), Rgb(255, 240, 207));
    EXPECT_EQ(FaceStripPixel(pixels, kFaceHighlighted, 8, 1), Rgb(206, 231, 255));
}

}  // namespace
}  // namespace sentrel::test
