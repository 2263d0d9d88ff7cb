// The program's resources, linked into this suite as into the program.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/app_environment_win32.h"
#include "app/main_saved_layout_win32.h"
#include "base/format.h"
#include "base/text_win32.h"
#include "ui/gdi_win32.h"

namespace sentrel {
namespace {

TEST(Resources, VersionManifestLayoutIconsAndPicturesLoad) {
    const VersionRecord version = Win32AppEnvironment().Version();
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 20);
    EXPECT_EQ(version.revision, 125);

    // The manifest asks for common controls 6, which the loader takes from the side-by-side store.
    wchar_t comctl[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), comctl, MAX_PATH);
    EXPECT_NE(ToLowerAscii(WideToUtf8(comctl)).find("microsoft.windows.common-controls_"),
              std::string::npos)
        << WideToUtf8(comctl);
    EXPECT_FALSE(LoadMainLayoutResource(GetModuleHandleW(nullptr)).empty());

    // Icons at the sizes the window asks for them, and the bitmaps.
    const std::pair<const char*, int> pictures[] = {
        {"SENTREL", 48},     {"ABOUT", 48},  {"SYSTRAY", 16},       {"INFO", 16},
        {"EXCLAMATION", 16}, {"APP", 32},    {"SCAN_INFECTED", 32}, {"SCAN_CLEAN", 32},
        {"DONATE", 0},       {"XPBUTTON", 0}};
    for (const auto& [name, size] : pictures) {
        EXPECT_FALSE(LoadPicture(GetModuleHandleW(nullptr), name, size).Empty()) << name;
    }
}

}  // namespace
}  // namespace sentrel
