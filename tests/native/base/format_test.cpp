#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/format.h"

namespace sentrel {
namespace {

TEST(Format, GroupedNumbers) {
    EXPECT_EQ(FormatGrouped(0, ","), "0");
    EXPECT_EQ(FormatGrouped(999, ","), "999");
    EXPECT_EQ(FormatGrouped(1000, ","), "1,000");
    EXPECT_EQ(FormatGrouped(1234567, "\xC2\xA0"),
              "1\xC2\xA0"
              "234\xC2\xA0"
              "567");
    EXPECT_EQ(FormatGroupedNoZero(0, ","), "");
    EXPECT_EQ(FormatGrouped(std::numeric_limits<std::int64_t>::min(), ","),
              "-9,223,372,036,854,775,808");
}

TEST(Format, TimeAndPadding) {
    EXPECT_EQ(FormatTime({9, 5, 3}, ":"), "09:05:03");
    EXPECT_EQ(FormatTime({23, 59, 59}, "."), "23.59.59");
    EXPECT_EQ(FormatPadded(7, 4), "0007");
    EXPECT_EQ(FormatPadded(125, 2), "125");
}

TEST(Format, LeadingNumberReadsLikeTheToolkit) {
    EXPECT_DOUBLE_EQ(LeadingNumber("1.6"), 1.6);
    EXPECT_DOUBLE_EQ(LeadingNumber("-3"), -3);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(" 12abc"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(RoundToInt(1.6), 2);
    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace sentrel
