#include <gtest/gtest.h>

#include "base/text_win32.h"
#include "controls/xp_hosts_win32.h"
#include "fakes/fake_controls.h"
#include "test_window.h"

namespace sentrel::test {
namespace {

struct LinkRig {
    TestWindow& window = TestWindow::Shared();
    HyperLink link{"lnkBlog"};
    FakeHyperLinkSite site;
    std::unique_ptr<ControlHost> host;

    LinkRig() {
        link.InitProperties({"lnkBlog", Font{}, {}});
        link.SetCaption("Sentrel home page");
        link.SetURL("{app}\\Readme.txt");
        link.SetBounds({300, 300, 2700, 210});
        link.SetSite(&site);
        host = CreateHyperLinkHost(link, window.Context());
        ObserveWith(link, *host);
        TestWindow::Pump(20);
    }
    HWND Hwnd() const { return host->Window(); }
    int Painted(Colour colour) const {
        return TestWindow::CountPrintedPixels(Hwnd(), static_cast<COLORREF>(colour));
    }
};

TEST(HyperLinkHost, AnswersWmGetTextAndShowsTheHand) {
    LinkRig rig;
    EXPECT_EQ(WindowText(rig.Hwnd()), "Sentrel home page");
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(rig.Hwnd(), GCLP_HCURSOR)),
              LoadCursorW(nullptr, IDC_HAND));
    // It hugs its label.
    RECT r{};
    GetClientRect(rig.Hwnd(), &r);
    EXPECT_GT(r.right, 40);
    EXPECT_LT(r.right, 180);
    EXPECT_GT(r.bottom, 8);
    EXPECT_LT(r.bottom, 20);
}

TEST(HyperLinkHost, HighlightsOnHoverAndReturnsToBlueAfterLeaving) {
    LinkRig rig;
    EXPECT_GT(rig.Painted(kLinkBlue), 0);
    TestWindow::MoveMouseTo(rig.Hwnd(), 10, 6);
    EXPECT_EQ(rig.link.LabelColour(), kNewLinkHilight);
    EXPECT_GT(rig.Painted(kNewLinkHilight), 0);
    EXPECT_EQ(rig.Painted(kLinkBlue), 0);
    SetCursorPos(5, 5);
    TestWindow::Pump(200);
    EXPECT_EQ(rig.link.LabelColour(), kLinkBlue);
    EXPECT_GT(rig.Painted(kLinkBlue), 0);
    EXPECT_FALSE(rig.link.HoverTimerRunning());
}

TEST(HyperLinkHost, AClickOrEnterOpensTheAddressWithTheProgramsFolderAndADoubleClickOpensOnce) {
    LinkRig rig;
    TestWindow::MoveMouseTo(rig.Hwnd(), 10, 6);
    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONDOWN, 10, 6);
    TestWindow::PostButton(rig.Hwnd(), WM_LBUTTONUP, 10, 6);
    EXPECT_EQ(rig.site.calls, (std::vector<std::string>{"open C:\\Tools\\Readme.txt"}));
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        TestWindow::PostButton(rig.Hwnd(), message, 10, 6);
    }
    EXPECT_EQ(rig.site.calls.size(), 2U);
    // Enter opens the focused link, once however long it is held.
    SetFocus(rig.Hwnd());
    for (LPARAM repeat : {0L, 1L << 30, 1L << 30}) {
        MSG enter{rig.Hwnd(), WM_KEYDOWN, VK_RETURN, 1 | repeat, 0, {0, 0}};
        EXPECT_TRUE(IsDialogMessageW(rig.window.Get(), &enter));
    }
    EXPECT_EQ(rig.site.calls.size(), 3U);
}

}  // namespace
}  // namespace sentrel::test
