// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "Язык / Language": its check mark shows the choice kept, a choice is kept through
// the platform, and a change of language is announced for the next start.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "app/qt/LanguageMenu.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

TEST(LanguageMenu, KeepsTheChoiceAndSaysWhenItTakesEffect)
{
    using L = Language;
    const struct {
        const char* what;
        Language current;
        const char* remembered; // nullptr: none kept
        const char* checkedBefore;
        const char* clicked;
        const char* kept;
        bool announced;
    } cases[] = {
        {"English chosen in Russian", L::Russian, nullptr, "russianAction", "englishAction", "en",
         true},
        {"Russian chosen in Russian", L::Russian, nullptr, "russianAction", "russianAction", "ru",
         false},
        {"Russian chosen in English", L::English, nullptr, "englishAction", "russianAction", "ru",
         true},
        {"back to the language in use", L::English, "ru", "russianAction", "englishAction", "en",
         false},
        {"the kept choice is checked", L::Russian, "en", "englishAction", "englishAction", "en",
         true},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        if (c.remembered) fake.texts[kLanguageKey] = c.remembered;
        QMenuBar bar;
        QMenu* help = bar.addMenu(QStringLiteral("help"));
        QMenu* menu = addLanguageMenu(&bar, help, fake, c.current);
        EXPECT_EQ(bar.actions().indexOf(menu->menuAction()), 0) << c.what; // before `help`
        EXPECT_TRUE(child<QAction>(*menu, c.checkedBefore)->isChecked()) << c.what;
        child<QAction>(*menu, c.clicked)->trigger();
        EXPECT_EQ(fake.texts[kLanguageKey], c.kept) << c.what;
        EXPECT_TRUE(child<QAction>(*menu, c.clicked)->isChecked()) << c.what;
        EXPECT_EQ(fake.messages.size(), c.announced ? 1u : 0u) << c.what;
        if (c.announced && !fake.messages.empty()) {
            EXPECT_EQ(fake.messages.front(), kLanguageAtNextStart) << c.what;
        }
    }
}
