// SPDX-License-Identifier: GPL-3.0-or-later
// The caption file's lines in the window: the shipped ones in the user's language, the user's
// own as written.
#include "present/ShownCaption.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/UiText.h"

namespace {

std::string english(const char* context, const char* text)
{
    if (std::strcmp(context, "Quantity") == 0 && std::strcmp(text, "поворот кривошипа от шага 1") == 0)
        return "crank turn from step 1";
    if (std::strcmp(context, "Unit") == 0 && std::strcmp(text, "рад") == 0) return "rad";
    return text;
}

} // namespace

TEST(ShownCaption, ShippedLinesFollowTheLanguageAndTheUsersStay)
{
    const struct {
        const char* what;
        bool inEnglish;
        int row;
        const char* line;
        const char* shown;
    } cases[] = {
        {"shipped, English", true, 1, "dfi: поворот кривошипа от шага 1, рад",
         "dfi: crank turn from step 1, rad"},
        {"shipped, Russian", false, 1, "dfi: поворот кривошипа от шага 1, рад",
         "dfi: поворот кривошипа от шага 1, рад"},
        {"edited by the user", true, 1, "dfi: поворот кривошипа, рад", "dfi: поворот кривошипа, рад"},
        {"another row's caption", true, 2, "dfi: поворот кривошипа от шага 1, рад",
         "dfi: поворот кривошипа от шага 1, рад"},
        {"past the catalogue", true, 999, "что-то своё", "что-то своё"},
    };
    for (const auto& c : cases) {
        setTextLookup(c.inEnglish ? &english : nullptr);
        EXPECT_EQ(shownRowCaption(c.row, c.line), c.shown) << c.what;
    }
    setTextLookup(nullptr);
}
