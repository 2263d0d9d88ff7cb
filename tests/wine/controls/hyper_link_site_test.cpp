#include <gtest/gtest.h>

#include "base/text_win32.h"
#include "controls/hyper_link_site_win32.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

TEST(HyperLinkSiteWin32, AppPathIsTheProgramsFolderAndTheMinimiseButtonIsSeen) {
    HWND window = TestWindow::Shared().Get();
    Win32HyperLinkSite site(window);
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::string path = WideToUtf8(module);
    const std::string folder = site.AppPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(path.substr(0, folder.size() + 1), folder + "\\");

    // The top-level window's minimise button is seen.
    EXPECT_TRUE(site.ParentHasMinimiseButton());
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_MINIMIZEBOX));
    EXPECT_FALSE(site.ParentHasMinimiseButton());
    SetWindowLongPtrW(window, GWL_STYLE, style);
}

}  // namespace
}  // namespace sentrel::test
