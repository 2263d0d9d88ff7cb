#include <gtest/gtest.h>

#include "controls/qel_text_box_xp_host_win32.h"
#include "controls/xp_hosts_win32.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

TEST(XpControlsKeyboard, TabReachesEveryControlInOrder) {
    TestWindow& window = TestWindow::Shared();
    QelCheckBoxXP box("chk");
    box.SetCaption("Box");
    box.SetBounds({150, 150, 2000, 195});
    xpcmdbutton button("cmd");
    button.SetCaption("Button");
    button.SetBounds({150, 600, 1845, 345});
    QelTextBoxXP text("txt");
    text.SetBounds({150, 1200, 4035, 300});
    HyperLink link("lnk");
    link.SetCaption("Link");
    link.SetBounds({150, 1800, 2000, 210});
    auto boxHost = CreateQelCheckBoxXPHost(box, window.Context(1));
    auto buttonHost = CreateXpCmdButtonHost(button, window.Context(2));
    QelTextBoxXPHost textHost(text, window.Context(3));
    auto linkHost = CreateHyperLinkHost(link, window.Context(4));

    HWND next = boxHost->Window();
    const HWND expected[] = {buttonHost->Window(), textHost.Edit(), linkHost->Window(),
                             boxHost->Window()};
    for (HWND want : expected) {
        next = GetNextDlgTabItem(window.Get(), next, FALSE);
        EXPECT_EQ(next, want);
    }
    // The dialog manager tabs from the button into the text box's edit box.
    SetFocus(buttonHost->Window());
    MSG tab{buttonHost->Window(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageW(window.Get(), &tab));
    EXPECT_EQ(GetFocus(), textHost.Edit());
}

}  // namespace
}  // namespace sentrel::test
