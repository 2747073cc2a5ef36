// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/UiText.h"

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
