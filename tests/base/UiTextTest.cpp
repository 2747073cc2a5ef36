// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/UiText.h"
#include "base/WindowMessage.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(UiTextTest, FillInReplacesNumberedPlacesOnce)
{
    struct Case {
        const char* text;
        std::initializer_list<std::string_view> args;
        const char* expected;
    };
    const Case cases[] = {
        {"шаг %1 из %2", {"3", "10"}, "шаг 3 из 10"},
        {"%2, затем %1", {"a", "b"}, "b, затем a"},
        {"%1%", {"50"}, "50%"},             // a trailing % stays
        {"%3 нет", {"a"}, "%3 нет"},         // beyond the arguments: kept
        {"%1", {"%2"}, "%2"},                // an argument is not scanned again
        {"100 %x", {"a"}, "100 %x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillIn(c.text, c.args), c.expected) << c.text;
}

TEST(UiTextTest, LookupAnswersUntilRemoved)
{
    EXPECT_EQ(uiText("Ctx", "Расчет"), "Расчет");
    setTextLookup([](const char* context, const char* text) {
        return std::strcmp(context, "Ctx") == 0 ? std::string("Calculation") : std::string(text);
    });
    EXPECT_EQ(uiText("Ctx", "Расчет"), "Calculation");
    EXPECT_EQ(uiText("Other", "Расчет"), "Расчет");
    setTextLookup(nullptr);
    EXPECT_EQ(uiText("Ctx", "Расчет"), "Расчет");
}

namespace {

// A catalogue of one language, "en", that knows a single message besides its language's code.
std::string englishLookup(const char* context, const char* text)
{
    if (std::strcmp(context, "Language") == 0 && std::strcmp(text, "ru") == 0) return "en";
    if (std::strcmp(context, "Unit") == 0 && std::strcmp(text, "Н·м") == 0) return "N·m";
    return text;
}

// A catalogue that knows no text at all, as a language's file found empty would be.
std::string emptyLookup(const char*, const char* text)
{
    return text;
}

} // namespace

// Of the two texts of a message, the Russian one stays unless the installed catalogue names
// another language; the file error's English what() then reaches the window as it stands.
TEST(UiTextTest, TwoTextsOfAMessageFollowTheCataloguesLanguage)
{
    const NamedInOutError error(InOutError(5, "File access denied"), "это папка");
    struct Case {
        TextLookup lookup;
        const char* chosen;
        const char* window;
        const char* unit;
    };
    const Case cases[] = {
        {nullptr, "русский", "это папка", "Н·м"},
        {&emptyLookup, "русский", "это папка", "Н·м"},
        {&englishLookup, "English", "File access denied", "N·m"},
    };
    for (const Case& c : cases) {
        setTextLookup(c.lookup);
        EXPECT_EQ(inUserLanguage("English", "русский"), c.chosen);
        EXPECT_EQ(windowMessage(error), c.window);
        EXPECT_EQ(shownUnit("Н·м"), c.unit);
        EXPECT_EQ(shownUnit(""), "");
    }
    setTextLookup(nullptr);
}
