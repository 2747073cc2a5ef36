// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/Errors.h"
#include "base/TextFile.h"
#include "calc/ResultStore.h"
#include "formats/Captions.h"
#include "formats/ResultsTestFiles.h"

TEST(Captions, Utf8ValidityChecksEveryForm)
{
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"fit: угловая скорость, рад/с²", true},
        {"\xF0\x9F\x98\x80", true},          // a four-byte form
        {"\xC0\x80", false},                 // overlong NUL
        {"\xE0\x80\xAF", false},             // overlong three-byte form
        {"\xE0\x9F\xBF", false},             // the largest overlong one (U+07FF)
        {"\xE0\xA0\x80", true},              // U+0800, the smallest three-byte one
        {"\xED\xA0\x80", false},             // a surrogate
        {"\xF4\x90\x80\x80", false},         // past U+10FFFF
        {"\xD0", false},                     // cut short
        {"\x80", false},                     // a continuation byte first
        {"\xCF\xF0\xE8\xE2\xE5\xF2", false}, // "Привет" in Windows-1251
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.text;
}

TEST(Captions, Cp1251MapsLettersAndPunctuation)
{
    EXPECT_EQ(cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2, abc"), "Привет, abc");
    EXPECT_EQ(cp1251ToUtf8("\xC0\xFF\xA8\xB8"), "АяЁё");
    EXPECT_EQ(cp1251ToUtf8("\xB9 \x88 \x96 \xB0 \xB2\xB3"), // Cyrillic І і
              "№ € – ° \xD0\x86\xD1\x96");
    EXPECT_EQ(cp1251ToUtf8("\x98"), "\xEF\xBF\xBD"); // the one unassigned byte
    // Every byte maps to something and the result is always UTF-8.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_TRUE(isValidUtf8(cp1251ToUtf8(all)));
}

TEST(Captions, SameCaptionsFromUtf8AndFrom1251)
{
    ScratchDir dir;
    writeBytes(dir.file("u.ini"), "xa: координата x точки A, м\r\nИ\r\n");
    writeBytes(dir.file("w.ini"),
               "xa: \xEA\xEE\xEE\xF0\xE4\xE8\xED\xE0\xF2\xE0 x \xF2\xEE\xF7\xEA\xE8 A, "
               "\xEC\r\n\xC8\r\n");
    const std::vector<std::string> expected{"xa: координата x точки A, м", "И"};
    EXPECT_EQ(readCaptions(dir.file("u.ini")), expected);
    EXPECT_EQ(readCaptions(dir.file("w.ini")), expected);
    // A byte-order mark is not part of the first caption.
    writeBytes(dir.file("bom.ini"), "\xEF\xBB\xBFxa: координата x точки A, м\nИ");
    EXPECT_EQ(readCaptions(dir.file("bom.ini")), expected);
}

TEST(Captions, LinesFollowTheTextFileRules)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"", {}},
        {"a\r\n\r\nc", {"a", "", "c"}}, // an empty line counts
        {"a\n\nc\n", {"a", "", "c"}},
        {"a\rb\r\nc", {"ab", "c"}},          // a lone CR is dropped
        {"a\r\nb\x1A\r\nc\r\n", {"a", "b"}}, // Ctrl-Z ends the file
        {"\xC0\xC1\n\xE0", {"АБ", "а"}},     // one 1251 byte makes the whole file 1251
        // The decision takes every line: a plain ASCII first or last line decides nothing.
        {"\xC0\xC1\r\nplain\r\n", {"АБ", "plain"}},
        {"plain\r\n\xC0\xC1\r\nplain", {"plain", "АБ", "plain"}},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        writeBytes(dir.file("scr.ini"), c.bytes);
        EXPECT_EQ(readCaptions(dir.file("scr.ini")), c.lines);
    }
}

TEST(Captions, LinesPastRow99AreIgnored)
{
    ScratchDir dir;
    std::string bytes;
    for (int k = 1; k <= 120; ++k)
        bytes += "row " + std::to_string(k) + "\r\n";
    writeBytes(dir.file("scr.ini"), bytes);
    const auto lines = readCaptions(dir.file("scr.ini"));
    ASSERT_EQ(lines.size(), 99u);
    EXPECT_EQ(lines.back(), "row 99");
}

TEST(Captions, AnEndlessLineEndsTheCaptionsAtACharacterBoundary)
{
    ScratchDir dir;
    // An odd number of ASCII bytes puts the 64 KiB cut inside a two-byte letter; a half letter
    // left over would turn the whole file into Windows-1251.
    std::string endless = "x";
    while (endless.size() < 3 * kMaxLineBytes)
        endless += "ж";
    writeBytes(dir.file("scr.ini"), "первая\r\n" + endless + "\r\nnever read\r\n");
    const auto lines = readCaptions(dir.file("scr.ini"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "первая");
    EXPECT_EQ(lines[1].size(), kMaxLineBytes - 1);
    EXPECT_TRUE(lines[1].starts_with("xжж"));
    EXPECT_TRUE(isValidUtf8(lines[1]));
}

TEST(Captions, SpecialFilesAreRefused)
{
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.file("scr.ini").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("scr.ini"), std::string("/dev/zero"), dir.dir()}) {
        try {
            readCaptions(path);
            ADD_FAILURE() << path << ": no error";
        } catch (const InOutError& e) {
            EXPECT_STREQ(e.what(), "File access denied") << path;
        }
    }
}

TEST(Captions, MissingFileIsFileNotFound)
{
    ScratchDir dir;
    try {
        readCaptions(dir.file("scr.ini"));
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), "File not found");
    }
}

TEST(Captions, ShippedFileNamesEveryRowOfTheGrid)
{
    const auto lines = readCaptions(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini");
    ASSERT_EQ(lines.size(), 78u);
    for (int k = 1; k <= int(lines.size()); ++k) {
        const std::string& line = lines[size_t(k - 1)];
        const std::string name = rowName(k);
        if (name.empty()) {
            EXPECT_EQ(line, "(не вычисляется, всегда 0)") << "row " << k;
        } else {
            EXPECT_EQ(line.substr(0, name.size() + 2), name + ": ") << "row " << k;
            EXPECT_NE(line.find(", "), std::string::npos) << "row " << k << " has no unit";
            // The catalogue's caption and unit are the shipped file's, word for word.
            EXPECT_EQ(line, defaultCaption(*quantityAtRow(k))) << "row " << k;
        }
    }
}
