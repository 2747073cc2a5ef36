// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/Platform.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

TEST(Platform, ErrorReportAddsAFinalPeriodOnlyWhenMissing)
{
    EXPECT_EQ(errorReportText("File not found"), "File not found.");
    EXPECT_EQ(errorReportText("Done."), "Done.");
    EXPECT_EQ(errorReportText(""), ".");
    // The period ends the message, not the file's name on the line below it; the name is quoted
    // as messages quote texts (control bytes visible).
    EXPECT_EQ(errorReportText(fileErrorText("Disk full", "/tmp/a\x1B[2Jb.txt")),
              "Disk full.\nФайл \"/tmp/a\\x1B[2Jb.txt\"");
    EXPECT_EQ(errorReportText("Done.\nФайл \"x.\""), "Done.\nФайл \"x.\"");
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

// A save goes to a regular file or a new name only: a pipe with no reader would hang the window.
TEST(Platform, SaveTargetsAreRegularFilesOrNewNames)
{
    ScratchDir dir;
    writeBytes(dir.file("old.txt"), "old");
    std::filesystem::create_symlink(dir.file("old.txt"), dir.file("link.txt"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    const struct {
        std::string path;
        bool taken;
    } cases[] = {
        {dir.file("new.txt"), true},     {dir.file("old.txt"), true}, {dir.file("link.txt"), true},
        {dir.file("fifo"), false},       {dir.dir(), false},          {"/dev/null", false},
        {dir.file("no/such.txt"), true}, // the save itself reports the missing folder
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        fake.saveReplies.push_back(c.path);
        const auto chosen = chooseSaveTarget(fake, {"Any|*.*", "", "test"});
        EXPECT_EQ(chosen.has_value(), c.taken) << c.path;
        EXPECT_EQ(fake.errors.empty(), c.taken) << c.path;
        if (!c.taken) {
            EXPECT_EQ(fake.errors.at(0),
                      errorReportText(fileErrorText(kNotARegularFileMessage, c.path)));
        }
    }
    FakePlatform cancelled;
    EXPECT_FALSE(chooseSaveTarget(cancelled, {"Any|*.*", "", "test"}));
    EXPECT_TRUE(cancelled.errors.empty());
}

// The forwarding page sends the browser on to the page at its anchor, in the refresh and in its
// link alike, with the characters that would end or split the attribute escaped.
TEST(Platform, ForwardingPageKeepsTheAnchor)
{
    const struct {
        const char* url;
        const char* attribute; // as the page writes it
    } cases[] = {
        {"file:///usr/share/doc/kinovar/guide/ru/course.html#flywheel",
         "file:///usr/share/doc/kinovar/guide/ru/course.html#flywheel"},
        {"file:///home/%D0%AF/guide/en/index.html#summary",
         "file:///home/%D0%AF/guide/en/index.html#summary"},
        {"file:///a&b/\"q\".html#x", "file:///a&amp;b/&quot;q&quot;.html#x"},
    };
    for (const auto& c : cases) {
        const std::string page = forwardingPage(c.url);
        EXPECT_NE(page.find(std::string("content=\"0; url=") + c.attribute + "\""),
                  std::string::npos)
            << page;
        EXPECT_NE(page.find(std::string("<a href=\"") + c.attribute + "\">"), std::string::npos)
            << page;
        EXPECT_EQ(page.find("\"q\""), std::string::npos) << page; // no quote left bare
    }
}
