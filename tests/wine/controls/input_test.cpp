#include <gtest/gtest.h>

#include "controls/qel_text_box_xp_host_win32.h"
#include "controls/xp_hosts_win32.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

// The four XP controls, one above the other in the shared window.
struct ControlsRig {
    TestWindow& window = TestWindow::Shared();
    QelCheckBoxXP box{"chk"};
    xpcmdbutton button{"cmd"};
    QelTextBoxXP text{"txt"};
    HyperLink link{"lnk"};
    std::unique_ptr<ControlHost> boxHost;
    std::unique_ptr<ControlHost> buttonHost;
    std::unique_ptr<QelTextBoxXPHost> textHost;
    std::unique_ptr<ControlHost> linkHost;

    ControlsRig() {
        box.SetCaption("Box");
        box.SetBounds({150, 150, 2000, 195});
        button.SetCaption("Button");
        button.SetBounds({150, 600, 1845, 345});
        text.SetBounds({150, 1200, 4035, 300});
        link.SetCaption("Link");
        link.SetBounds({150, 1800, 2000, 210});
        boxHost = CreateQelCheckBoxXPHost(box, window.Context(1));
        buttonHost = CreateXpCmdButtonHost(button, window.Context(2));
        textHost = std::make_unique<QelTextBoxXPHost>(text, window.Context(3));
        linkHost = CreateHyperLinkHost(link, window.Context(4));
    }
};

TEST(XpControlsKeyboard, TabReachesEveryControlInOrder) {
    ControlsRig rig;
    HWND next = rig.boxHost->Window();
    const HWND expected[] = {rig.buttonHost->Window(), rig.textHost->Edit(), rig.linkHost->Window(),
                             rig.boxHost->Window()};
    for (HWND want : expected) {
        next = GetNextDlgTabItem(rig.window.Get(), next, FALSE);
        EXPECT_EQ(next, want);
    }
    // The dialog manager tabs from the button into the text box's edit box.
    SetFocus(rig.buttonHost->Window());
    MSG tab{rig.buttonHost->Window(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageW(rig.window.Get(), &tab));
    EXPECT_EQ(GetFocus(), rig.textHost->Edit());
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
    ControlsRig rig;
    std::vector<int> boxDown, boxPress, textDown, textPress;
    rig.box.KeyDown = [&](int& key, int&) { boxDown.push_back(key); };
    rig.box.KeyPress = [&](int& key) { boxPress.push_back(key); };
    rig.text.KeyDown = [&](int& key, int&) { textDown.push_back(key); };
    rig.text.KeyPress = [&](int& key) { textPress.push_back(key); };

    ASSERT_TRUE(TestWindow::Focus(rig.textHost->Edit()));
    PressInTheWindow(rig.window.Get(), VK_ESCAPE);
    rig.text.SetActivateCtrlOnReturnKey(&rig.box);
    PressInTheWindow(rig.window.Get(), VK_RETURN);
    EXPECT_EQ(textDown, (std::vector<int>{VK_ESCAPE, VK_RETURN}));
    EXPECT_EQ(textPress, (std::vector<int>{27, 13}));
    EXPECT_EQ(GetFocus(), rig.boxHost->Window());  // ActivateCtrlOnReturnKey

    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN}) {
        PressInTheWindow(rig.window.Get(), key);
    }
    EXPECT_EQ(boxDown, (std::vector<int>{VK_RETURN, VK_ESCAPE, VK_LEFT, VK_DOWN}));
    EXPECT_EQ(boxPress, (std::vector<int>{13, 27}));
    EXPECT_EQ(GetFocus(), rig.boxHost->Window());
}

// A box popping up mid-press takes the mouse: the press is over for the check box and the
// button, and a release that comes later is no click.
TEST(XpControlsMouse, AnotherWindowTakingTheMouseMidPressEndsThePress) {
    ControlsRig rig;
    for (HWND pressed : {rig.boxHost->Window(), rig.buttonHost->Window()}) {
        TestWindow::PostButton(pressed, WM_LBUTTONDOWN, 6, 6);
        SetCapture(rig.window.Get());
        ReleaseCapture();
    }
    EXPECT_EQ(rig.box.Picture(), kPicUnchecked);
    EXPECT_EQ(rig.button.Face(), kFaceNormal);
    TestWindow::PostButton(rig.boxHost->Window(), WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(rig.box.Value(), 0);
}

}  // namespace
}  // namespace sentrel::test
