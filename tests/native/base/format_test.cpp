#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/format.h"

namespace sentrel {
namespace {

TEST(Format, GroupsThousandsAndPadsTimes) {
    const std::pair<std::int64_t, const char*> grouped[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {-1234567, "-1,234,567"},
        {std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"}};
    for (const auto& [value, text] : grouped) {
        EXPECT_EQ(FormatGrouped(value, ","), text);
    }
    EXPECT_EQ(FormatGrouped(1234, "\xC2\xA0"),
              "1\xC2\xA0"
              "234");
    EXPECT_EQ(FormatGroupedNoZero(0, ","), "");
    EXPECT_EQ(FormatTime({9, 5, 3}, "."), "09.05.03");
    EXPECT_EQ(FormatPadded(-7, 2), "-07");
    EXPECT_EQ(FormatPadded(125, 2), "125");
}

TEST(Format, ReadsTheLeadingNumberAndRoundsHalvesToEven) {
    const std::pair<const char*, double> numbers[] = {
        {"1.6", 1.6}, {"-3", -3},    {"abc", 0}, {"", 0},   {" \t12abc", 12},
        {"-", 0},     {"+.5x", 0.5}, {".", 0},   {"7.", 7}, {"1e3", 1}};
    for (const auto& [text, value] : numbers) {
        EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    }
    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace sentrel
