#include <gtest/gtest.h>

#include "base/text_win32.h"
#include "controls/qel_text_box_xp_host_win32.h"
#include "controls/xp_hosts_win32.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

struct PortBoxRig {
    TestWindow& window = TestWindow::Shared();
    QelTextBoxXP box{"txtSocketPort"};
    std::unique_ptr<QelTextBoxXPHost> host;
    int invalidKeys = 0;
    int changes = 0;

    PortBoxRig() {
        box.SetBounds({150, 690, 4035, 300});
        box.ReadProperties({}, {"txtSocketPort", Font{}, {}});
        box.SetInputType(1);
        box.SetAlignment(Alignment::Centre);
        box.SetAppearance(0);
        box.InvalidKeyPressed = [this](long&, int&) { ++invalidKeys; };
        box.Change = [this] { ++changes; };
        host = std::make_unique<QelTextBoxXPHost>(box, window.Context());
        ObserveWith(box, *host);
        TestWindow::Pump(20);
    }
    HWND Edit() const { return host->Edit(); }
};

TEST(TextBoxHost, TheDigitsOnlyBoxRefusesALetterAndKeepsADigit) {
    PortBoxRig rig;
    SendMessageW(rig.Edit(), WM_CHAR, 'a', 0);
    EXPECT_EQ(WindowText(rig.Edit()), "");
    EXPECT_EQ(rig.invalidKeys, 1);
    SendMessageW(rig.Edit(), WM_CHAR, '5', 0);
    EXPECT_EQ(WindowText(rig.Edit()), "5");
    EXPECT_EQ(rig.box.Text(), "5");
    EXPECT_EQ(rig.changes, 1);
}

TEST(TextBoxHost, TextSetOnTheModelReachesTheEditBox) {
    PortBoxRig rig;
    rig.box.SetText("10000");
    EXPECT_EQ(WindowText(rig.Edit()), "10000");
    EXPECT_EQ(rig.changes, 1);
    EXPECT_EQ(GetWindowLongPtrW(rig.Edit(), GWL_STYLE) & ES_CENTER, ES_CENTER);
    EXPECT_EQ(rig.box.hWnd(), reinterpret_cast<std::uintptr_t>(rig.Edit()));
    // Appearance 1 gives the inner box a sunken edge.
    EXPECT_EQ(GetWindowLongPtrW(rig.Edit(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    rig.box.SetAppearance(1);
    EXPECT_EQ(GetWindowLongPtrW(rig.Edit(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
}

TEST(TextBoxHost, PaintsTheThinOutlineOnWhiteAroundTheInnerBox) {
    PortBoxRig rig;
    EXPECT_EQ(TestWindow::PrintedPixel(rig.host->Window(), 0, 0), RGB(127, 157, 185));
    EXPECT_EQ(TestWindow::PrintedPixel(rig.host->Window(), 100, 19), RGB(127, 157, 185));
    EXPECT_EQ(TestWindow::PrintedPixel(rig.host->Window(), 2, 2), RGB(255, 255, 255));
    RECT inner{};
    GetWindowRect(rig.Edit(), &inner);
    MapWindowPoints(HWND_DESKTOP, rig.host->Window(), reinterpret_cast<POINT*>(&inner), 2);
    EXPECT_EQ(inner.left, 5);
    EXPECT_EQ(inner.top, 3);
    EXPECT_EQ(inner.right - inner.left, 269 - 9 - 1);  // (4035 - 145) twips
    EXPECT_EQ(inner.bottom - inner.top, 12);           // (300 - 120) twips
}

TEST(TextBoxHost, FocusSelectsTheWholeTextWhenHighlighting) {
    PortBoxRig rig;
    rig.box.SetText("8080");
    rig.box.SetHighlightOnFocus(true);
    EXPECT_TRUE(TestWindow::Focus(rig.Edit()));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(rig.Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 4U);
    EXPECT_EQ(rig.box.SelLength(), 4);
}

TEST(TextBoxHost, AKeyPressHandsTheFocusOn) {
    PortBoxRig rig;
    TestWindow& window = rig.window;
    QelTextBoxXP next("txtReturnMessage");
    next.SetBounds({150, 1200, 4035, 300});
    auto nextHost = CreateQelTextBoxXPHost(next, window.Context(101));
    rig.box.SetActivateCtrlOnReturnKey(&next);
    SetFocus(rig.Edit());
    SendMessageW(rig.Edit(), WM_CHAR, '1', 0);
    EXPECT_NE(GetFocus(), rig.Edit());
    EXPECT_EQ(GetParent(GetFocus()), nextHost->Window());
    EXPECT_EQ(rig.box.Text(), "1");
}

TEST(TextBoxHost, WithAPasswordCharacterItsWindowTextIsMasked) {
    PortBoxRig rig;
    rig.box.SetInputType(0);
    rig.box.SetPasswordChar("*");
    rig.box.SetText("secret");
    EXPECT_EQ(WindowText(rig.host->Window()), "******");
}

}  // namespace
}  // namespace sentrel::test
