// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "base/MessageText.h"
#include "base/Utf8.h"

TEST(MessageText, QuotesShortPrintableTextsUnchanged)
{
    for (const char* text : {"", "1,5", "abc", "координата x, м", "\xF0\x9F\x98\x80"})
        EXPECT_EQ(quoteText(text), text);
}

TEST(MessageText, ShowsControlCharactersAndStrayBytesVisibly)
{
    const struct {
        std::string text;
        const char* shown;
    } cases[] = {
        {std::string("1\0002", 3), "1\\x002"},
        {"\t1", "\\x091"},
        {"a\r\nb", "a\\x0D\\x0Ab"},
        {"\x1B[31mred", "\\x1B[31mred"}, // a terminal's escape sequence stays inert
        {"\x7F", "\\x7F"},
        {"\xCF\xF0\xE8", "\\xCF\\xF0\\xE8"}, // Windows-1251, not UTF-8
        {"\xD0", "\\xD0"},                   // a character cut short
        {"ж\x01ж", "ж\\x01ж"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quoteText(c.text), c.shown) << c.shown;
}

TEST(MessageText, LongTextsKeepTheirStartAndEndWithinTheLimit)
{
    const std::string start(150, 'a'), end(150, 'z');
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"just over", start + "m" + end},
        {"10 MB", start + std::string(10 << 20, 'm') + end},
        {"controls", start + std::string(1000, '\0') + end},
        {"Cyrillic", std::string(1000, 'a') +
                         [] {
                             std::string s;
                             for (int i = 0; i < 500; ++i)
                                 s += "ж";
                             return s;
                         }()},
    };
    for (const auto& c : cases) {
        const std::string shown = quoteText(c.text);
        EXPECT_LE(shown.size(), kQuoteBytes) << c.name;
        EXPECT_NE(shown.find("…"), std::string::npos) << c.name;
        EXPECT_EQ(shown.front(), c.text.front()) << c.name;
        EXPECT_TRUE(isValidUtf8(shown)) << c.name;
        EXPECT_TRUE(shown.ends_with(c.text.substr(c.text.size() - 20))) << c.name;
    }
    // Exactly the limit: nothing elided.
    const std::string exact(kQuoteBytes, 'q');
    EXPECT_EQ(quoteText(exact), exact);
}

TEST(MessageText, CutCharacterAtTheEnd)
{
    const struct {
        std::string text;
        size_t kept;
    } cases[] = {
        {"abc", 3},           {"ab\xD0", 2},        {"ab\xD0\xB6", 4},        {"a\xE2\x80", 1},
        {"a\xE2\x80\xA6", 4}, {"a\xF0\x9F\x98", 1}, {"a\xF0\x9F\x98\x80", 5}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withoutCutCharacter(c.text), c.kept) << c.text;
}
