#include <gtest/gtest.h>

#include "controls/layout_text.h"

namespace sentrel::test {
namespace {

TEST(PropertyBag, ReadsTheDefaultForAMissingOrUnreadableValue) {
    PropertyBag bag;
    for (const char* bad : {"x", "", "0x", "0x1FFFFFFFF", "12z", "Arial", "Arial, 0", "Arial, nan",
                            "Arial, 1e300", "Arial, 9, italic", ", 9", "yes"}) {
        bag.Put("Value", bad);
        EXPECT_EQ(bag.ReadLong("Value", 7), 7) << bad;
        EXPECT_EQ(bag.ReadColour("Value", 7), 7U) << bad;
        EXPECT_EQ(bag.ReadFont("Value", Font{"Default"}).name, "Default") << bad;
        EXPECT_TRUE(bag.ReadBool("Value", true)) << bad;
    }
    EXPECT_EQ(bag.ReadString("Missing", "d"), "d");
    EXPECT_FALSE(bag.Find("value").has_value());
    EXPECT_EQ(bag.IgnoringKeyCase().Find("value"), "yes");
}

TEST(PropertyBag, ReadsTheToolkitsSpellings) {
    PropertyBag bag;
    const std::pair<const char*, long> numbers[] = {{" 12 ", 12}, {"-3", -3}, {"0X00FF", 255}};
    for (const auto& [text, value] : numbers) {
        bag.Put("N", text);
        EXPECT_EQ(bag.ReadLong("N", 0), value) << text;
    }
    for (const char* yes : {"True", " -1", "1"}) {
        bag.Put("B", yes);
        EXPECT_TRUE(bag.ReadBool("B", false)) << yes;
    }
    bag.Put("B", "FALSE");
    EXPECT_FALSE(bag.ReadBool("B", true));
    bag.Put("F", " Tahoma , 8.25, UNDERLINE, bold");
    EXPECT_EQ(bag.ReadFont("F", Font{}), (Font{"Tahoma", 8.25, true, true}));
    EXPECT_EQ(FormatFont(Font{"Tahoma", 8.25, true, true}), "Tahoma, 8.25, bold, underline");
}

TEST(PropertyBag, AValueEqualToItsDefaultIsNotWrittenAndAKeyOnlyOnce) {
    PropertyBag bag;
    bag.WriteLong("A", 0, 0);
    bag.WriteBool("B", true, true);
    bag.WriteColour("C", kSystemButtonFace, kSystemButtonFace);
    bag.WriteString("D", "x", std::string("x"));
    bag.WriteString("E", "");
    bag.WriteString("E", "again");
    EXPECT_EQ(bag.Entries(), (std::vector<PropertyBag::Entry>{{"E", "again"}}));
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

}  // namespace
}  // namespace sentrel::test
