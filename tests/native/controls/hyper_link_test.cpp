#include <gtest/gtest.h>

#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

struct Link {
    HyperLink link{"lnkTest"};
    FakePointer pointer;
    FakeHyperLinkSite site;

    Link() {
        link.SetPointerSource(&pointer);
        link.SetSite(&site);
    }
};

TEST(HyperLinkClick, OpensTheAddressWithTheProgramsFolderForAppAndKeepsTheSubstitution) {
    Link l;
    l.link.SetURL("{app}\\Readme.txt");
    l.link.HandleClick();
    l.site.appPath = "D:\\";
    l.link.HandleClick();
    EXPECT_EQ(l.site.calls, (Texts{"open C:\\Tools\\Readme.txt", "open C:\\Tools\\Readme.txt"}));
    EXPECT_EQ(l.site.lastOpen, std::make_tuple("", 0U, 1, ""));
    EXPECT_EQ(SubstituteAppFolder("{app}\\Data", l.site.appPath), "D:\\Data");
}

TEST(HyperLinkClick, MinimisesBeforeOpeningAndClosesAfter) {
    // {minimise on click, close on click, parent has a minimise button, calls}
    const std::tuple<bool, bool, bool, Texts> cases[] = {
        {true, false, true, {"minimise", "open x"}},
        {true, false, false, {"open x"}},
        {false, false, true, {"open x"}},
        {true, true, true, {"open x", "unload"}}};
    for (const auto& [minimise, close, hasButton, calls] : cases) {
        Link l;
        l.site.hasMinimiseButton = hasButton;
        l.link.SetURL("x");
        l.link.SetMinimiseOnClick(minimise);
        l.link.SetCloseOnClick(close);
        l.link.UserClick();
        EXPECT_EQ(l.site.calls, calls) << minimise << close << hasButton;
    }
}

TEST(HyperLinkHover, TakesTheHighlightUntilTheMouseIsOffTheLinkOrItIsClicked) {
    Link l;
    l.pointer.MoveTo(5, 5);
    l.link.HandleLabelMouseMove();
    l.link.tmrMouseOut.RaiseTick();
    EXPECT_EQ(l.link.LabelColour(), kNewLinkHilight);
    l.pointer.cursor = {l.pointer.window.right, l.pointer.window.top + 5};  // on the border
    l.link.tmrMouseOut.RaiseTick();
    EXPECT_EQ(l.link.LabelColour(), kLinkBlue);
    EXPECT_FALSE(l.link.tmrMouseOut.Enabled() || l.link.HoverTimerRunning());
    l.link.HandleLabelMouseMove();
    l.link.HandleClick();
    EXPECT_EQ(l.link.LabelColour(), kLinkBlue);
}

TEST(HyperLinkSize, HugsItsLabelOnePixelLowerWithinItsRoom) {
    EXPECT_EQ(HyperLinkSizeTwips({120, 20, 144}), (Size{30 + 1200, 185}));
    HyperLink link("lnk");
    link.SetBounds({240, 2355, 600, 210});
    link.SetCaption("Sentrel home page");
    EXPECT_EQ(link.GetBounds(), (Bounds{240, 2355, 600, 180}));
}

TEST(HyperLinkProperties, ALoadedLinkWithoutCaptionShowsItsNameInTheLoadedLook) {
    PropertyBag bag;
    bag.Put("LinkColour", "0x00008000");
    bag.Put("MouseOutCheckDelay", "20");
    bag.Put("Underlined", "True");
    HyperLink link("lnk");
    link.ReadProperties(bag, {"lnk", Font{}, {}});
    EXPECT_EQ(std::tuple(link.LabelCaption(), link.LabelColour(), link.HilightColour(),
                         link.tmrMouseOut.Interval(), link.LabelFont().underline),
              std::tuple("Qel HyperLink", Rgb(0, 128, 0), Rgb(255, 255, 255), 20, true));
}

}  // namespace
}  // namespace sentrel::test
