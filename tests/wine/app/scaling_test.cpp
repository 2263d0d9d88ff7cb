// The window at the display scalings users have. Wine takes the DPI from the prefix's LogPixels
// when a process starts, so each scaling but the prefix's own 96 runs the page check and the
// paint walk in a child process of this suite.
#include <gtest/gtest.h>

#include <cstdlib>
#include <process.h>
#include <vector>

#include "base/handles_win32.h"
#include "live_window.h"

namespace sentrel::test {
namespace {

std::string Describe(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return WideToUtf8(name) + " \"" + TextOf(window) + "\"";
}

// Below `parent`, no visible window covers a visible sibling or reaches out of its parent.
void ExpectSiblingsApart(HWND parent, HWND allowedOverlap) {
    RECT area{};
    GetClientRect(parent, &area);
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        if (IsWindowVisible(child) && GetWindowRect(child, &r)) {
            RECT both{};
            UnionRect(&both, &r, &area);
            EXPECT_TRUE(EqualRect(&both, &area)) << Describe(child) << " leaves its parent";
            for (const auto& [sibling, s] : shown) {
                EXPECT_TRUE(!IntersectRect(&both, &r, &s) || child == allowedOverlap ||
                            sibling == allowedOverlap)
                    << Describe(child) << " and " << Describe(sibling) << " overlap";
            }
            shown.emplace_back(child, r);
            ExpectSiblingsApart(child, nullptr);
        }
    }
}

TEST(DisplayScaling, OnEveryPageNothingOverlaps) {
    LiveWindow live;
    if (const char* expected = std::getenv("SENTREL_EXPECTED_DPI")) {
        ASSERT_EQ(live.window->Dpi(), std::atoi(expected));
    }
    for (int button = 1; button <= 4; ++button) {
        live.ShowPage(button);
        SCOPED_TRACE("page " + std::to_string(button) + " at " +
                     std::to_string(live.window->Dpi()) + " dpi");
        ExpectSiblingsApart(live.Main(), live.Of(live.w().tbrMain));
    }
}

void SetLogPixels(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
}

TEST(DisplayScaling, HoldsAtEveryCommonScaling) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (DWORD dpi : {120, 144, 192}) {
        // The checks above in a child process of this suite; its output joins this one's.
        SetLogPixels(dpi);
        SetEnvironmentVariableW(L"SENTREL_EXPECTED_DPI", std::to_wstring(dpi).c_str());
        EXPECT_EQ(
            _wspawnl(_P_WAIT, self, L"suite",
                     L"--gtest_filter=DisplayScaling.On*:MainWindow.EachControlPaints*", nullptr),
            0)
            << dpi << " dpi";
    }
    SetEnvironmentVariableW(L"SENTREL_EXPECTED_DPI", nullptr);
    SetLogPixels(96);  // the prefix's own scaling again, for the suites after this one
}

}  // namespace
}  // namespace sentrel::test
