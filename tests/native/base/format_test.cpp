#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/format.h"

namespace sentrel {
namespace {

TEST(Format, GroupsThousandsAndPadsTimes) {
    const std::string nbsp = "\xC2\xA0";  // a separator of two bytes
    EXPECT_EQ(FormatGrouped(std::numeric_limits<std::int64_t>::min(), nbsp),
              "-9" + nbsp + "223" + nbsp + "372" + nbsp + "036" + nbsp + "854" + nbsp + "775" +
                  nbsp + "808");
    EXPECT_EQ(FormatGrouped(999, ",") + FormatGrouped(0, ",") + FormatGroupedNoZero(0, ","),
              "9990");
    EXPECT_EQ(FormatTime({9, 5, 3}, "."), "09.05.03");
    EXPECT_EQ(FormatPadded(-7, 2) + FormatPadded(125, 2), "-07125");
    EXPECT_EQ(SystemMessageText("Access is denied. \r\n", 5), "Access is denied");
    EXPECT_EQ(SystemMessageText("Lines\r\nend", 1) + SystemMessageText(" \r\n", 10049),
              "Lines\r\nendError 10049");
}

TEST(Format, ReadsTheLeadingNumberAndRoundsHalvesToEven) {
    const std::pair<const char*, double> numbers[] = {
        {"1.6", 1.6}, {"-3", -3},    {"abc", 0}, {"", 0},   {" \t12abc", 12},
        {"-", 0},     {"+.5x", 0.5}, {".", 0},   {"7.", 7}, {"1e3", 1}};
    for (const auto& [text, value] : numbers) {
        EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    }
    using Int = std::numeric_limits<int>;
    EXPECT_EQ(std::tuple(RoundToInt(2.5), RoundToInt(1e300), RoundToInt(-1e300),
                         RoundToInt(std::numeric_limits<double>::quiet_NaN())),
              std::tuple(2, Int::max(), Int::min(), 0));
}

}  // namespace
}  // namespace sentrel
