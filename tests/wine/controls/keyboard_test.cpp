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

// A key as the program's message loop handles it: the dialog manager first, then the character
// that translating the key posted.
void PressInTheWindow(HWND window, WPARAM key) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
    MSG down{GetFocus(), WM_KEYDOWN, key, 1 | scan << 16, GetTickCount(), {0, 0}};
    if (!IsDialogMessageW(window, &down)) {
        TranslateMessage(&down);
        DispatchMessageW(&down);
    }
    MSG queued;
    while (PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(window, &queued)) {
            TranslateMessage(&queued);
            DispatchMessageW(&queued);
        }
    }
}

TEST(XpControlsKeyboard, EnterEscAndTheArrowsReachTheCheckBoxAndTheTextBox) {
    TestWindow& window = TestWindow::Shared();
    QelCheckBoxXP box("chk");
    box.SetBounds({150, 150, 2000, 195});
    QelTextBoxXP text("txt");
    text.SetBounds({150, 1200, 4035, 300});
    auto boxHost = CreateQelCheckBoxXPHost(box, window.Context(1));
    QelTextBoxXPHost textHost(text, window.Context(2));
    std::vector<int> boxDown, boxPress, textDown, textPress;
    box.KeyDown = [&](int& key, int&) { boxDown.push_back(key); };
    box.KeyPress = [&](int& key) { boxPress.push_back(key); };
    text.KeyDown = [&](int& key, int&) { textDown.push_back(key); };
    text.KeyPress = [&](int& key) { textPress.push_back(key); };

    ASSERT_TRUE(TestWindow::Focus(textHost.Edit()));
    PressInTheWindow(window.Get(), VK_ESCAPE);
    text.SetActivateCtrlOnReturnKey(&box);
    PressInTheWindow(window.Get(), VK_RETURN);
    EXPECT_EQ(textDown, (std::vector<int>{VK_ESCAPE, VK_RETURN}));
    EXPECT_EQ(textPress, (std::vector<int>{27, 13}));
    EXPECT_EQ(GetFocus(), boxHost->Window());  // ActivateCtrlOnReturnKey

    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN}) {
        PressInTheWindow(window.Get(), key);
    }
    EXPECT_EQ(boxDown, (std::vector<int>{VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN}));
    EXPECT_EQ(boxPress, (std::vector<int>{13, 27}));
    EXPECT_EQ(GetFocus(), boxHost->Window());
}

}  // namespace
}  // namespace sentrel::test
