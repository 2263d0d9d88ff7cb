#include <gtest/gtest.h>
#include <windows.h>

#include "ui/gdi_win32.h"

namespace sentrel {
namespace {

std::wstring FaceOf(const UniqueGdiObject& font) {
    LOGFONTW lf{};
    GetObjectW(font.Get(), sizeof lf, &lf);
    return lf.lfFaceName;
}

TEST(Fonts, TheWindowFontIsTahomaAtTheDpi) {
    if (!FontFaceInstalled(L"Tahoma")) {
        GTEST_SKIP() << "Tahoma is not installed here";
    }
    UniqueGdiObject font = CreateFontAt(Font{}, 96);
    EXPECT_EQ(FaceOf(font), L"Tahoma");
    LOGFONTW lf{};
    GetObjectW(font.Get(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -11);  // 8.25 pt at 96 dpi
    UniqueGdiObject large = CreateFontAt(Font{"Tahoma", 8.25, true, false}, 192);
    GetObjectW(large.Get(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -22);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
}

TEST(Fonts, AMissingFaceFallsBackToTheMessageFont) {
    UniqueGdiObject font = CreateFontAt(Font{"No Such Face At All", 9, false, false}, 96);
    ASSERT_TRUE(font.Valid());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    EXPECT_EQ(FaceOf(font), metrics.lfMessageFont.lfFaceName);
}

TEST(Pictures, AMissingResourceIsAnEmptyPictureThatDrawsNothing) {
    Picture picture = LoadPicture(GetModuleHandleW(nullptr), "NO_SUCH_PICTURE", 32);
    EXPECT_TRUE(picture.Empty());
    HDC screen = GetDC(nullptr);
    DrawPicture(screen, picture, 0, 0);
    ReleaseDC(nullptr, screen);
}

TEST(Colours, SystemColourIndexesAreResolved) {
    EXPECT_EQ(ToColorRef(kSystemButtonFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ToColorRef(Rgb(0, 69, 214)), RGB(0, 69, 214));
}

}  // namespace
}  // namespace sentrel
