#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/hyper_link.h"
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

TEST(HyperLinkClick, AppPlaceholderTakesTheProgramsFolder) {
    Link l;
    l.link.SetURL("{app}\\Data");
    l.link.HandleClick();
    EXPECT_EQ(l.site.calls, (std::vector<std::string>{"open C:\\Tools\\Data"}));
    EXPECT_EQ(l.site.lastParameters, "");
    EXPECT_EQ(l.site.lastOwner, 0U);
    EXPECT_EQ(l.site.lastShowCommand, 1);
    EXPECT_EQ(l.site.lastDirectory, "");
}

TEST(HyperLinkClick, TheSubstitutionIsPermanentAndADriveRootLosesItsBackslash) {
    Link l;
    l.link.SetURL("{app}\\Readme.txt");
    l.link.HandleClick();
    EXPECT_EQ(l.link.URL(), "C:\\Tools\\Readme.txt");
    l.site.appPath = "D:\\Elsewhere";
    l.link.HandleClick();
    EXPECT_EQ(l.site.calls.back(), "open C:\\Tools\\Readme.txt");

    Link root;
    root.site.appPath = "C:\\";
    root.link.SetURL("{app}\\Data");
    root.link.HandleClick();
    EXPECT_EQ(root.site.calls, (std::vector<std::string>{"open C:\\Data"}));
}

TEST(HyperLinkClick, MinimisesBeforeOpeningAndClosesAfter) {
    // {minimise on click, close on click, parent has a minimise button, calls}
    const std::tuple<bool, bool, bool, std::vector<std::string>> cases[] = {
        {true, false, true, {"minimise", "open x"}},
        {true, false, false, {"open x"}},
        {true, true, true, {"open x", "unload"}}};
    for (const auto& [minimise, close, hasButton, calls] : cases) {
        Link l;
        l.site.hasMinimiseButton = hasButton;
        l.link.SetURL("x");
        l.link.SetMinimiseOnClick(minimise);
        l.link.SetCloseOnClick(close);
        l.link.HandleClick();
        EXPECT_EQ(l.site.calls, calls) << minimise << close << hasButton;
    }
}

TEST(HyperLinkHover, TakesTheHighlightAndReturnsToBlueWhenTheMouseLeaves) {
    Link l;
    l.pointer.MoveTo(5, 5);
    l.link.HandleLabelMouseMove();
    EXPECT_EQ(l.link.LabelColour(), Rgb(0, 0, 175));
    EXPECT_TRUE(l.link.tmrMouseOut.Enabled());
    l.link.tmrMouseOut.RaiseTick();
    EXPECT_EQ(l.link.LabelColour(), Rgb(0, 0, 175));
    l.pointer.MoveTo(500, 5);
    l.link.tmrMouseOut.RaiseTick();
    EXPECT_EQ(l.link.LabelColour(), Rgb(0, 0, 255));
    EXPECT_FALSE(l.link.tmrMouseOut.Enabled());
    EXPECT_FALSE(l.link.HoverTimerRunning());
}

TEST(HyperLinkHover, ACursorOnTheRectanglesBorderIsOutsideAndAClickRestoresTheColour) {
    Link l;
    l.link.HandleLabelMouseMove();
    l.pointer.cursor = {l.pointer.window.right, l.pointer.window.top + 5};
    l.link.tmrMouseOut.RaiseTick();
    EXPECT_EQ(l.link.LabelColour(), kLinkBlue);
    l.link.HandleLabelMouseMove();
    l.link.HandleClick();
    EXPECT_EQ(l.link.LabelColour(), kLinkBlue);
}

TEST(HyperLinkSize, HugsItsLabelOnePixelLower) {
    EXPECT_EQ(HyperLinkSizeTwips({80, 13}), (Size{30 + 1200, 180}));
    EXPECT_EQ(HyperLinkSizeTwips({120, 20, 144}), (Size{30 + 1200, 185}));
    HyperLink link("lnk");
    link.SetTextMeasure([](const std::string&, const Font&) { return TextExtent{80, 13}; });
    link.SetBounds({240, 2355, 2700, 210});
    link.SetCaption("Sentrel home page");
    EXPECT_EQ(link.GetBounds(), (Bounds{240, 2355, 1230, 180}));
}

TEST(HyperLinkProperties, MissingCaptionReadsAsQelHyperLinkWhileANewLinkShowsItsDesignCaption) {
    HyperLink fresh("lnk");
    fresh.InitProperties({"lnk", Font{}, {}});
    EXPECT_EQ(fresh.Caption(), "-- Link --");
    EXPECT_EQ(fresh.LabelCaption(), "-- Link --");
    HyperLink loaded("lnk");
    loaded.ReadProperties({}, {"lnk", Font{}, {}});
    EXPECT_EQ(loaded.Caption(), "Qel HyperLink");
    EXPECT_EQ(loaded.LabelCaption(), "Qel HyperLink");
    EXPECT_EQ(loaded.HilightColour(), Rgb(255, 255, 255));
    EXPECT_EQ(loaded.MouseOutCheckDelay(), 50);
    EXPECT_EQ(loaded.tmrMouseOut.Interval(), 50);
}

TEST(HyperLinkProperties, ANewLinkWritesItsHighlightInTheWriteOrder) {
    HyperLink link("lnk");
    link.InitProperties({"lnk", Font{}, {}});
    link.SetURL("u");
    link.SetCloseOnClick(true);
    link.SetMouseOutCheckDelay(75);
    link.SetToolTip("tip");
    link.SetUnderlined(true);
    PropertyBag bag;
    link.WriteProperties(bag, {"lnk", Font{}, {}});
    const std::vector<PropertyBag::Entry> expected{
        {"Caption", "-- Link --"},    {"URL", "u"},           {"CloseOnClick", "True"},
        {"MouseOutCheckDelay", "75"}, {"ToolTipText", "tip"}, {"HilightColour", "0x00AF0000"},
        {"Underlined", "True"}};
    EXPECT_EQ(bag.Entries(), expected);
}

TEST(HyperLinkProperties, ReadingAppliesColourTimerAndUnderline) {
    PropertyBag bag;
    bag.Put("LinkColour", "0x00008000");
    bag.Put("MouseOutCheckDelay", "20");
    bag.Put("Underlined", "True");
    bag.Put("ToolTipText", "Home");
    HyperLink link("lnk");
    link.ReadProperties(bag, {"lnk", Font{}, {}});
    EXPECT_EQ(link.LabelColour(), Rgb(0, 128, 0));
    EXPECT_EQ(link.tmrMouseOut.Interval(), 20);
    EXPECT_TRUE(link.LabelFont().underline);
    EXPECT_EQ(link.ToolTip(), "Home");
}

}  // namespace
}  // namespace sentrel::test
