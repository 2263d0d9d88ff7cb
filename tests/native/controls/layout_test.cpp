#include <gtest/gtest.h>

#include "controls/layout_text.h"

namespace sentrel::test {
namespace {

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

}  // namespace
}  // namespace sentrel::test
