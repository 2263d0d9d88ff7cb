// The program's icons and pictures, loaded by name from this executable's own resources (the
// suite links the same resource script as the program).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/handles_win32.h"

namespace {

using sentrel::UniqueGdiObject;
using sentrel::UniqueIcon;
using sentrel::UniqueMemoryDc;

HINSTANCE Self() {
    return GetModuleHandleW(nullptr);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

struct IconSize {
    int size;
    int bitCount;
    bool operator<(const IconSize& other) const { return size < other.size; }
};

// The image sizes an icon group lists, read from its RT_GROUP_ICON directory.
std::set<IconSize> GroupSizes(const wchar_t* name) {
    std::set<IconSize> sizes;
    HRSRC found = FindResourceW(Self(), name, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    if (found == nullptr) {
        return sizes;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(Self(), found)));
    WORD count = 0;
    std::memcpy(&count, bytes + 4, sizeof count);
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry{};
        std::memcpy(&entry, bytes + 6 + i * sizeof entry, sizeof entry);
        sizes.insert({entry.width == 0 ? 256 : entry.width, entry.bitCount});
    }
    return sizes;
}

struct LoadedIcon {
    int width = 0;
    int height = 0;
    std::uint8_t centreAlpha = 0;
    std::uint8_t cornerAlpha = 255;
};

// Loads the icon at one size and reads its colour bitmap back, alpha channel included.
LoadedIcon LoadIconAt(const wchar_t* name, int size) {
    LoadedIcon result;
    UniqueIcon icon(static_cast<HICON>(LoadImageW(Self(), name, IMAGE_ICON, size, size, 0)));
    if (!icon) {
        return result;
    }
    ICONINFO info{};
    if (!GetIconInfo(icon.Get(), &info)) {
        return result;
    }
    UniqueGdiObject colour(info.hbmColor);
    UniqueGdiObject mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(colour.Get(), sizeof bitmap, &bitmap);
    result.width = bitmap.bmWidth;
    result.height = bitmap.bmHeight;

    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = bitmap.bmWidth;
    request.bmiHeader.biHeight = -bitmap.bmHeight;  // top-down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, static_cast<HBITMAP>(colour.Get()), 0, bitmap.bmHeight,
                               pixels.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows == bitmap.bmHeight) {
        const size_t centre =
            static_cast<size_t>(bitmap.bmHeight / 2) * bitmap.bmWidth + bitmap.bmWidth / 2;
        result.centreAlpha = static_cast<std::uint8_t>(pixels[centre] >> 24);
        result.cornerAlpha = static_cast<std::uint8_t>(pixels[0] >> 24);
    }
    return result;
}

void ExpectIcon(const wchar_t* name, const std::vector<int>& sizes) {
    SCOPED_TRACE(IS_INTRESOURCE(name) ? std::string("#1") : std::string(name, name + wcslen(name)));
    const std::set<IconSize> listed = GroupSizes(name);
    ASSERT_EQ(listed.size(), sizes.size());
    for (int size : sizes) {
        SCOPED_TRACE(size);
        auto entry = listed.find({size, 0});
        ASSERT_NE(entry, listed.end());
        EXPECT_EQ(entry->bitCount, 32);
        const LoadedIcon icon = LoadIconAt(name, size);
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
        EXPECT_EQ(icon.centreAlpha, 255) << "the emblem covers the middle";
        EXPECT_EQ(icon.cornerAlpha, 0) << "the corners are see-through";
    }
}

TEST(Icons, EveryIconHasItsSizesIn32BitsWithAlpha) {
    ExpectIcon(MAKEINTRESOURCEW(1), {16, 32, 48});
    ExpectIcon(L"SENTREL", {16, 32, 48});
    ExpectIcon(L"ABOUT", {16, 32, 48});
    ExpectIcon(L"SYSTRAY", {16, 32});
    ExpectIcon(L"INFO", {16});
    ExpectIcon(L"EXCLAMATION", {16});
    ExpectIcon(L"SCAN_INFECTED", {32});
    ExpectIcon(L"SCAN_CLEAN", {32});
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    auto* first = reinterpret_cast<std::wstring*>(found);
    *first =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name;
    return FALSE;
}

TEST(Icons, TheFirstIconGroupIsTheApplicationIcon) {
    // The shell shows a program's first icon group; named groups come before numbered ones.
    std::wstring first;
    EnumResourceNamesW(Self(), MAKEINTRESOURCEW(14), TakeFirstName,
                       reinterpret_cast<LONG_PTR>(&first));
    ASSERT_FALSE(first.empty());
    const wchar_t* name =
        first[0] == L'#' ? MAKEINTRESOURCEW(std::stoi(first.substr(1))) : first.c_str();
    const std::set<IconSize> sizes = GroupSizes(name);
    EXPECT_EQ(sizes.size(), 3U) << "first group: " << std::string(first.begin(), first.end());
    EXPECT_EQ(sizes.count({48, 0}), 1U);
}

struct LoadedBitmap {
    UniqueGdiObject handle;
    DIBSECTION dib{};
};

LoadedBitmap LoadPicture(const wchar_t* name) {
    LoadedBitmap result;
    result.handle.Reset(LoadImageW(Self(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (result.handle) {
        GetObjectW(result.handle.Get(), sizeof result.dib, &result.dib);
    }
    return result;
}

TEST(Pictures, DonateHasItsSize) {
    const LoadedBitmap donate = LoadPicture(L"DONATE");
    ASSERT_TRUE(donate.handle);
    EXPECT_EQ(donate.dib.dsBm.bmWidth, 88);
    EXPECT_EQ(donate.dib.dsBm.bmHeight, 31);
    EXPECT_EQ(donate.dib.dsBm.bmBitsPixel, 24);
}

// Colour of pixel (x, y), counted from the top, of the 8-bit strip.
COLORREF StripPixel(const LoadedBitmap& strip, const std::vector<RGBQUAD>& palette, int x, int y) {
    const BITMAP& bm = strip.dib.dsBm;
    const auto* bits = static_cast<const std::uint8_t*>(bm.bmBits);
    const int row = strip.dib.dsBmih.biHeight > 0 ? bm.bmHeight - 1 - y : y;
    const RGBQUAD c = palette.at(bits[static_cast<size_t>(row) * bm.bmWidthBytes + x]);
    return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
}

TEST(Pictures, ButtonFaceStripHoldsFiveFacesOf18By21) {
    const LoadedBitmap strip = LoadPicture(L"XPBUTTON");
    ASSERT_TRUE(strip.handle);
    ASSERT_EQ(strip.dib.dsBm.bmWidth, 90);
    ASSERT_EQ(strip.dib.dsBm.bmHeight, 21);
    ASSERT_EQ(strip.dib.dsBm.bmBitsPixel, 8);
    ASSERT_NE(strip.dib.dsBm.bmBits, nullptr);

    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.Get(), strip.handle.Get());
    std::vector<RGBQUAD> palette(256);
    const UINT colours = GetDIBColorTable(dc.Get(), 0, 256, palette.data());
    SelectObject(dc.Get(), old);
    ASSERT_GT(colours, 0U);
    palette.resize(colours);

    constexpr COLORREF kRing = RGB(0, 60, 116);
    auto at = [&](int face, int x, int y) { return StripPixel(strip, palette, face * 18 + x, y); };
    for (int face : {0, 1, 3, 4}) {
        SCOPED_TRACE(face);
        EXPECT_EQ(at(face, 9, 0), kRing);
        EXPECT_EQ(at(face, 9, 20), kRing);
        EXPECT_EQ(at(face, 0, 10), kRing);
        EXPECT_EQ(at(face, 17, 10), kRing);
    }
    EXPECT_EQ(at(0, 9, 1), RGB(255, 255, 255));
    EXPECT_EQ(at(0, 9, 16), RGB(240, 240, 234));
    EXPECT_EQ(at(1, 9, 1), RGB(209, 204, 193));
    EXPECT_EQ(at(2, 9, 0), RGB(201, 199, 186));
    EXPECT_EQ(at(2, 9, 10), RGB(245, 244, 234));
    EXPECT_EQ(at(3, 9, 1), RGB(255, 240, 207));
    EXPECT_EQ(at(3, 9, 19), RGB(229, 151, 0));
    EXPECT_EQ(at(4, 9, 1), RGB(206, 231, 255));
    EXPECT_EQ(at(4, 1, 1), RGB(39, 77, 133));

    // Nine-slice scaling stretches columns 3 to 14 sideways: every row is uniform there.
    for (int face = 0; face < 5; ++face) {
        for (int y = 0; y < 21; ++y) {
            for (int x = 4; x <= 14; ++x) {
                ASSERT_EQ(at(face, x, y), at(face, 3, y)) << "face " << face << " row " << y;
            }
        }
    }
}

}  // namespace
