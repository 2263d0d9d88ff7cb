#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/main_saved_layout.h"
#include "controls/layout_text.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

std::string MainLayoutFile() {
    std::ifstream file(std::string(SENTREL_SOURCE_DIR) + "/res/wmain.layout", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(PropertyBag, ReadsDefaultsForMissingOrUnreadableValues) {
    PropertyBag bag;
    bag.Put("Value", "x");
    EXPECT_EQ(bag.ReadLong("Value", 7), 7);
    EXPECT_EQ(bag.ReadLong("Missing", 3), 3);
    EXPECT_EQ(bag.ReadString("Missing", "d"), "d");
    EXPECT_EQ(bag.ReadFont("Missing", Font{"Arial", 9, false, false}).name, "Arial");
    EXPECT_FALSE(bag.Find("value").has_value());
    EXPECT_EQ(bag.IgnoringKeyCase().Find("value"), "x");
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreNotWritten) {
    PropertyBag bag;
    bag.WriteLong("A", 0, 0);
    bag.WriteBool("B", true, true);
    bag.WriteColour("C", kSystemButtonFace, kSystemButtonFace);
    bag.WriteString("D", "x", std::string("x"));
    bag.WriteString("E", "");
    EXPECT_EQ(bag.Entries(), (std::vector<PropertyBag::Entry>{{"E", ""}}));
}

TEST(PropertyBag, FontsAndColoursRoundTrip) {
    const Font font{"Tahoma", 8.25, true, true};
    EXPECT_EQ(ParseFont(FormatFont(font)), font);
    EXPECT_EQ(ParseLong(FormatColour(0x8000000F)), 0x8000000FL);
    EXPECT_FALSE(ParseFont("Tahoma").has_value());
}

TEST(PropertyBag, AFontSizeThatIsNoSensibleNumberReadsAsTheDefault) {
    for (const char* size : {"nan", "inf", "-inf", "1e300", "0", "-3"}) {
        PropertyBag bag;
        bag.Put("Font", std::string("Arial, ") + size);
        EXPECT_EQ(bag.ReadFont("Font", Font{}), Font{}) << size;
    }
}

TEST(LayoutText, QuotesValuesThatPlainTextWouldLose) {
    LayoutDocument document{{"txt", {}}};
    document[0].bag.Put("Text", " two\r\nlines \"quoted\" ");
    document[0].bag.Put("Plain", "a = b");
    const LayoutDocument parsed = ParseLayout(FormatLayout(document));
    ASSERT_EQ(parsed.size(), 1U);
    EXPECT_EQ(parsed[0].bag.Entries(), document[0].bag.Entries());
}

TEST(LayoutText, SkipsCommentsAndLinesOutsideSections) {
    const LayoutDocument parsed =
        ParseLayout("stray = 1\r\n; note\r\n[a]\r\nk = v\r\nnonsense\r\n");
    ASSERT_EQ(parsed.size(), 1U);
    EXPECT_EQ(parsed[0].bag.Entries(), (std::vector<PropertyBag::Entry>{{"k", "v"}}));
    EXPECT_TRUE(SectionOf(parsed, "b").Empty());
}

TEST(MainLayout, KeepsTheWindowsCaptionsAndStates) {
    Rig designed;
    Rig loaded;
    ApplyMainLayout(loaded.w(), MainLayoutFile());
    WMain& d = designed.w();
    WMain& l = loaded.w();
    for (auto member : {&WMain::chkPlaySFX, &WMain::chkScanAtStartup, &WMain::chkTaskScanner,
                        &WMain::chkMinimiseToTray, &WMain::chkAlwaysOnTop}) {
        EXPECT_EQ((l.*member).Caption(), (d.*member).Caption());
        EXPECT_EQ((l.*member).ToolTipText(), (d.*member).ToolTipText());
        EXPECT_EQ((l.*member).Value(), 0);
    }
    for (auto member :
         {&WMain::ResetToDefaultPort, &WMain::cmdTestMsg, &WMain::cmdResetToDefaultMsg,
          &WMain::cmdScan, &WMain::cmdCleanSystem, &WMain::cmdPreventShutdown}) {
        EXPECT_EQ((l.*member).Caption(), (d.*member).Caption());
        EXPECT_EQ((l.*member).Enabled(), (d.*member).Enabled()) << (l.*member).Name();
    }
    EXPECT_FALSE(l.cmdCleanSystem.Enabled());
    for (auto member : {&WMain::lnkBlog, &WMain::lnkQel}) {
        EXPECT_EQ((l.*member).Caption(), (d.*member).Caption());
        EXPECT_EQ((l.*member).URL(), (d.*member).URL());
        EXPECT_EQ((l.*member).HilightColour(), Rgb(0, 0, 175));
    }
    EXPECT_EQ(l.txtSocketPort.InputType(), 1);
    EXPECT_EQ(l.txtSocketPort.GetAlignment(), Alignment::Centre);
    EXPECT_EQ(l.txtSocketPort.Appearance(), 0);
    EXPECT_EQ(l.txtReturnMessage.Text(), DefaultReturnMessage());
    EXPECT_EQ(l.txtReturnMessage.GetFont(), Font{});
}

TEST(MainLayout, SavingALoadedLayoutGivesItBack) {
    const std::string layout = MainLayoutFile();
    ASSERT_FALSE(layout.empty());
    Rig rig;
    ApplyMainLayout(rig.w(), layout);
    EXPECT_EQ(SaveMainLayout(rig.w()), layout);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST(MainLayout, AnInstanceMissingFromTheLayoutTakesItsDefaults) {
    Rig rig;
    ApplyMainLayout(rig.w(), "[chkPlaySFX]\nValue = 5\n");
    EXPECT_EQ(rig.w().chkPlaySFX.Value(), 1);
    EXPECT_EQ(rig.w().chkPlaySFX.Caption(), "chkPlaySFX");
    EXPECT_EQ(rig.w().chkAlwaysOnTop.Caption(), "chkAlwaysOnTop");
    EXPECT_EQ(rig.w().lnkQel.Caption(), "Qel HyperLink");
}

}  // namespace
}  // namespace sentrel::test
