#include <gtest/gtest.h>

#include "platform/Platform.h"

TEST(Platform, ErrorReportAddsAFinalPeriodOnlyWhenMissing)
{
    EXPECT_EQ(errorReportText("File not found"), "File not found.");
    EXPECT_EQ(errorReportText("Done."), "Done.");
    EXPECT_EQ(errorReportText(""), ".");
}

TEST(Platform, ElideMiddleKeepsShortTextsWhole)
{
    const std::string text = "'1e3' is not a valid floating point value";
    EXPECT_EQ(elideMiddle(text, text.size()), text);
    EXPECT_EQ(elideMiddle(text, 2000), text);
}

TEST(Platform, ElideMiddleKeepsStartAndEndWithinTheLimit)
{
    const std::string text =
        "'" + std::string(1 << 20, '7') + "' is not a valid floating point value";
    const std::string shown = elideMiddle(text, 300);
    EXPECT_LE(shown.size(), 300u);
    EXPECT_EQ(shown.substr(0, 4), "'777");
    EXPECT_NE(shown.find("…"), std::string::npos);
    EXPECT_EQ(shown.substr(shown.size() - 6), " value");
}

TEST(Platform, ElideMiddleNeverSplitsACharacter)
{
    // Two-byte Cyrillic letters: every cut position must fall between letters.
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "ж";
    for (size_t limit : {10u, 11u, 12u, 101u, 500u}) {
        const std::string shown = elideMiddle(text, limit);
        ASSERT_LE(shown.size(), limit);
        std::string withoutEllipsis = shown;
        withoutEllipsis.erase(withoutEllipsis.find("…"), std::string("…").size());
        EXPECT_EQ(withoutEllipsis.size() % 2, 0u) << limit;
        for (size_t i = 0; i < withoutEllipsis.size(); i += 2)
            EXPECT_EQ(withoutEllipsis.substr(i, 2), "ж") << limit;
    }
}
