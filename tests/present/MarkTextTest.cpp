// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/NumberText.h"
#include "present/MarkText.h"

namespace {

class MarkTextTest : public ::testing::Test {};

struct MarkCase {
    long double value;
    const char* text;
};

TEST_F(MarkTextTest, PatternWithPeriodAndCommaGroups)
{
    const MarkCase cases[] = {
        {1234.5678L, "1,234.568"},
        {0, "0"},
        {-0.0L, "0"},
        {0.5L, "0.5"},
        {12.3L, "12.3"},
        {100, "100"},
        {999, "999"},
        {1000, "1,000"},
        {-1000, "-1,000"},
        {999.9996L, "1,000"},
        {-0.0004L, "0"}, // rounds to zero: no minus sign
        {-0.0006L, "-0.001"},
        {0.0005L, "0.001"}, // half rounds away from zero
        {-1234567.891L, "-1,234,567.891"},
        {123456789012.25L, "123,456,789,012.25"},
        {1e20L, "1E20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(markText(c.value, ",", '.'), c.text) << static_cast<double>(c.value);
}

TEST_F(MarkTextTest, PatternWithCommaDecimal)
{
    EXPECT_EQ(markText(1234.5678L, ".", ','), "1.234,568");
    EXPECT_EQ(markText(-1234567.5L, "\u00A0", ','), "-1\u00A0234\u00A0567,5");
    EXPECT_EQ(markText(0.25L, "\u00A0", ','), "0,25");
    EXPECT_EQ(markText(42, ".", ','), "42");
}

TEST_F(MarkTextTest, GroupSeparatorFollowsLocaleUnlessItClashes)
{
    EXPECT_EQ(markGroupSeparator('.', ","), ",");
    EXPECT_EQ(markGroupSeparator(',', "."), ".");
    EXPECT_EQ(markGroupSeparator(',', "\u00A0"), "\u00A0");
    EXPECT_EQ(markGroupSeparator(',', "\u202F"), "\u202F");
    EXPECT_EQ(markGroupSeparator('.', "."), ","); // same as the decimal
    EXPECT_EQ(markGroupSeparator(',', ","), "\u00A0");
    EXPECT_EQ(markGroupSeparator('.', ""), ",");
}

} // namespace
