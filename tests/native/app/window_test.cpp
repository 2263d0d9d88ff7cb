#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "window/main_saved_layout.h"
#include "controls/layout_text.h"
#include "fakes/fake_controls.h"
#include "fakes/rig.h"
#include "shell/settings.h"

namespace sentrel::test {
namespace {

std::string MenuText(const MenuItem& menu) {
    std::string text = menu.name + " '" + menu.caption + "'";
    for (const MenuItem& item : menu.items) {
        text += " (" + MenuText(item) + ")";
    }
    return text;
}

// The whole make-up is kept in a file beside this test; SENTREL_UPDATE_SNAPSHOT=1 rewrites it.
TEST(Window, IsMadeAsDesigned) {
    Rig rig;
    std::string shown;
    for (const Control* c : rig.w().Controls()) {
        shown += Describe(*c) + "\n";
    }
    shown += MenuText(rig.w().mContext) + "\n";
    const std::string path = "tests/native/app/wmain.snapshot";
    if (std::getenv("SENTREL_UPDATE_SNAPSHOT") != nullptr) {
        std::ofstream(std::string(SENTREL_SOURCE_DIR) + "/" + path, std::ios::binary) << shown;
    }
    EXPECT_EQ(shown, SourceFile(path));
}

TEST(PropertyBag, ReadsTheToolkitsSpellingsAndTheDefaultForAnythingElse) {
    PropertyBag bag;
    for (const char* bad : {"x", "", "0x", "0x1FFFFFFFF", "12z", "Arial", "Arial, 0", "Arial, nan",
                            "Arial, 1e300", "Arial, 9, italic", ", 9", "yes"}) {
        bag.Put("V", bad);
        EXPECT_EQ(std::tuple(bag.ReadLong("V", 7), bag.ReadColour("V", 7), bag.ReadBool("V", true)),
                  std::tuple(7L, 7U, true))
            << bad;
        EXPECT_EQ(bag.ReadFont("V", Font{"Default"}).name, "Default") << bad;
    }
    for (const auto& [text, value] : {std::pair{" 12 ", 12L}, {"-3", -3L}, {"0X00FF", 255L}}) {
        bag.Put("V", text);
        EXPECT_EQ(bag.ReadLong("V", 0), value) << text;
    }
    for (const auto& [text, value] : {std::pair{"True", true}, {" -1", true}, {"FALSE", false}}) {
        bag.Put("V", text);
        EXPECT_EQ(bag.ReadBool("V", !value), value) << text;
    }
    bag.Put("V", " Tahoma , 8.25, UNDERLINE, bold");
    EXPECT_EQ(bag.ReadFont("V", Font{}), (Font{"Tahoma", 8.25, true, true}));
    EXPECT_EQ(bag.IgnoringKeyCase().Find("v"), bag.Find("V"));
    EXPECT_FALSE(bag.Find("v").has_value());
}

TEST(LayoutText, QuotesValuesThatPlainTextWouldLoseAndSkipsWhatItCannotRead) {
    LayoutDocument document{{"txt", {}}};
    document[0].bag.Put("Text", " two\r\nlines \"quoted\" \\ ");
    document[0].bag.Put("Tab", "\tx");
    document[0].bag.Put("Plain", "a = \"b\"");
    const std::string text = FormatLayout(document);
    EXPECT_NE(text.find("Plain = a = \"b\"\n"), std::string::npos);
    const LayoutDocument parsed =
        ParseLayout("stray = 1\r\n; note\r\n" + text + "[txt]\r\nnonsense\r\n = 1\r\nk = v\r\n");
    ASSERT_EQ(parsed.size(), 1U);
    auto entries = document[0].bag.Entries();
    entries.emplace_back("k", "v");
    EXPECT_EQ(parsed[0].bag.Entries(), entries);
    EXPECT_TRUE(SectionOf(parsed, "tx").Empty());
}

TEST(SavedLayout, TheWindowIsMadeWithTheProgramsLayoutAndSavesItBackUnchanged) {
    Rig rig;
    EXPECT_EQ(SaveMainLayout(rig.w()), SourceFile("res/wmain.layout"));
    // The reply as designed is the default one, so loading it unchanged stores nothing.
    EXPECT_EQ(rig.w().txtReturnMessage.Text(), DefaultReturnMessage());
}

TEST(SavedLayout, EveryPropertyIsReadAndWrittenBack) {
    const LayoutDocument layout = ParseLayout(SourceFile("tests/native/app/every_property.layout"));
    Rig rig;
    ApplyMainLayout(rig.w(), FormatLayout(layout));
    const LayoutDocument saved = ParseLayout(SaveMainLayout(rig.w()));
    for (const LayoutSection& section : layout) {
        EXPECT_EQ(SectionOf(saved, section.instance).Entries(), section.bag.Entries());
    }
    EXPECT_EQ(rig.w().txtSocketPort.ActivateCtrlOnReturnKey(), &rig.w().cmdTestMsg);
}

TEST(Window, EveryChangeOfAControlReachesItsHost) {
    Rig rig;
    WMain& w = rig.w();
    FakeHosts hosts(w.Controls());
    FakePointer pointer;
    w.cmdScan.SetPointerSource(&pointer);
    w.chkPlaySFX.SetPointerSource(&pointer);
    w.lnkBlog.SetPointerSource(&pointer);
    // What the program changes while it runs, and last a layout that changes every saved
    // property.
    const std::function<void()> steps[] = {
        [&] { w.Form_Load(); },
        [&] { w.tbrMain.RaiseButtonClick(2); },
        [&] { w.SetStatusText("Now"); },
        [&] { w.stbStatus.SetPanelText("_counter", "1 probe"); },
        [&] { w.chkAlwaysOnTop.UserClick(); },
        [&] { w.chkMinimiseToTray.UserClick(); },  // minimised, the window stays in the taskbar
        [&] { w.wMain.SetWindowState(WindowState::Minimised); },
        [&] { w.wMain.SetCaption("Other"); },
        [&] { w.wMain.Unload(); },
        [&] { w.labScanInfo.SetCaption("Found"); },
        [&] { w.labScanInfo.SetForeColor(Rgb(1, 2, 3)); },
        [&] { w.imgScan[0].SetVisible(true); },
        [&] { w.cmdScan.SetCaption("Scan"); },
        [&] { w.cmdScan.SetEnabled(false); },
        [&] { w.cmdScan.SetEnabled(true); },
        [&] { pointer.MoveTo(5, 5), w.cmdScan.HandleMouseMove(0, 0, 5, 5); },
        [&] { w.cmdScan.HandleMouseDown(1, 0, 5, 5); },
        [&] { w.cmdScan.HandleMouseUp(1, 0, 5, 5); },
        [&] { w.chkPlaySFX.HandleMouseMove(0, 0, 5, 5); },
        [&] { w.chkPlaySFX.HandleMouseDown(1, 0, 5, 5); },
        [&] { w.chkPlaySFX.UserClick(); },
        [&] { w.lnkBlog.HandleLabelMouseMove(); },
        [&] { pointer.MoveTo(-5, 5), w.lnkBlog.tmrMouseOut.RaiseTick(); },
        [&] { w.txtSocketPort.SetHighlightOnFocus(true), w.txtSocketPort.HandleGotFocus(); },
        [&] {
            w.txtSocketPort.SetBounds({0, 0, 1605, 315}), w.txtSocketPort.ApplyLayout();
        },
        [&] { w.txtSocketPort.SetDrawMode(7); },  // a look the host paints with
        [&] { ApplyMainLayout(w, SourceFile("tests/native/app/every_property.layout")); }};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i]();
        EXPECT_EQ(hosts.Stale(), Texts{}) << "step " << i;
    }
}

TEST(Tabs, AClickBringsThePageWithTheButtonsTagForwardAndPressesOnlyThatButton) {
    Rig rig;
    WMain& w = rig.w();
    // Buttons: 1 "Logging", 2 " Detect", 3 "Settings", 4 "About"; the second click on a page's
    // button keeps it.
    for (const int index : {3, 2, 2, 4, 1}) {
        const unsigned raised = w.tbrMain.ZOrderRequests();
        w.tbrMain.RaiseButtonClick(index);
        EXPECT_EQ(w.fraContainer[w.fraContainer.FrontIndex()].Tag(), w.tbrMain.Button(index).tag);
        for (int b = 1; b <= 4; ++b) {
            EXPECT_EQ(w.tbrMain.Button(b).pressed, b == index) << index;
        }
        EXPECT_EQ(w.tbrMain.ZOrderRequests(), raised + 1);
        // Ctrl+Tab and Ctrl+Shift+Tab show the pages after and before it, wrapping round.
        EXPECT_EQ(std::pair(w.tbrMain.ButtonAfterPressed(1), w.tbrMain.ButtonAfterPressed(-1)),
                  std::pair(index % 4 + 1, (index + 2) % 4 + 1));
    }
    // Without a button the page alone comes forward and the pressed button stays pressed.
    SwitchTab(w.fraContainer, "_about", w.tbrMain, 0);
    EXPECT_EQ(
        std::tuple(w.fraContainer[w.fraContainer.FrontIndex()].Tag(), w.tbrMain.PressedIndex()),
        std::tuple("_about", 1));
}

TEST(StatusBar, StatusTextGoesToTheGeneralPanelAndAClickShowsAPanelsText) {
    Rig rig;
    rig.w().SetStatusText("Listening");
    rig.w().stbStatus.RaisePanelClick(1);
    rig.w().stbStatus.RaisePanelClick(2);
    EXPECT_EQ(rig.dialogs.messages, (Messages{{"Listening", kMsgInformation, "Sentrel"},
                                              {"0 probes", kMsgInformation, "Sentrel"}}));
    EXPECT_EQ(rig.w().stbStatus.Panel("_general").toolTip, "Listening");
}

}  // namespace
}  // namespace sentrel::test
