// SPDX-License-Identifier: GPL-3.0-or-later
// The interface in English: with the translations installed as the program's start installs
// them, no text a user sees in the main window, its menus or the windows the menu opens holds a
// Cyrillic letter, the core's captions and messages included, but for the language menu (which
// names each language in itself) and the example projects' titles (the first line of each
// example file's comment: data, not the program's texts).
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <memory>

#include "app/qt/LoadEditor.h"
#include "app/qt/WindowWalkFixture.h"
#include "base/qt/Language.h"
#include "platform/qt/Mnemonics.h"
#include "support/VisibleTexts.h"

namespace {

bool hasCyrillic(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

} // namespace

class EnglishWindowTest : public WindowWalkTest {
protected:
    void SetUp() override
    {
        // Before the window is built, as main applies the language before its windows exist.
        ASSERT_TRUE(applyLanguage(Language::English, KINOVAR_TRANSLATIONS_DIR));
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowWalkTest::TearDown();
        applyLanguage(Language::Russian, "");
    }
};

TEST_F(EnglishWindowTest, NoWindowTextIsCyrillic)
{
    const QList<QWidget*> windows = everyWindow();
    QWidget* languageMenu = form->findChild<QMenu*>("languageMenu");
    ASSERT_NE(languageMenu, nullptr);

    int texts = 0;
    for (QWidget* window : windows) {
        for (const auto& [where, text] : visibleTexts(window)) {
            ++texts;
            if (!hasCyrillic(text)) continue;
            if (where.startsWith(QStringLiteral("languageMenu")) ||
                where.startsWith(QStringLiteral("russianAction ")) ||
                where.startsWith(QStringLiteral("example_")))
                continue; // the language's own name, and the examples' own titles
            ADD_FAILURE() << window->objectName().toStdString() << " / " << where.toStdString()
                          << ": «" << text.toStdString() << "»";
        }
    }
    EXPECT_GT(texts, 250); // the walk saw the windows' texts, not an empty shell
}

// The load's line in English takes the English plural, whatever form the Russian rule picks for
// the count (21 takes the Russian singular).
TEST_F(EnglishWindowTest, LoadLineTakesTheEnglishPlural)
{
    const auto angle = [](size_t n) {
        LoadTable t{LoadKind::ByAngle, LoadDirection::TowardCrank, {}};
        for (size_t i = 0; i < n; ++i)
            t.points.push_back({static_cast<long double>(i), 12500, 0});
        return t;
    };
    const struct {
        size_t points;
        const char* text;
    } cases[] = {
        {1, "Load: by angle, 1 point, up to 12.5 kN"},
        {2, "Load: by angle, 2 points, up to 12.5 kN"},
        {5, "Load: by angle, 5 points, up to 12.5 kN"},
        {11, "Load: by angle, 11 points, up to 12.5 kN"},
        {21, "Load: by angle, 21 points, up to 12.5 kN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loadStatusText(angle(c.points), '.'), QString::fromUtf8(c.text)) << c.points;
    EXPECT_EQ(loadStatusText(LoadTable{}, '.'), QStringLiteral("Load: none"));
}

// Each menu in English, the bar's titles included, has one item per Alt letter once its letters
// are given (as it opens), and no two commands share a shortcut.
TEST_F(EnglishWindowTest, MenusKeepOneKeyPerItem)
{
    QList<QWidget*> owners{form->menuBar()};
    for (QMenu* menu : form->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
        owners << menu;
    }
    giveMnemonics(form->menuBar());
    int letters = 0;
    QSet<QString> shortcuts;
    for (QWidget* owner : owners) {
        QSet<QString> seen;
        for (const QAction* a : owner->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QString letter = mnemonicOf(a->text());
            if (!letter.isEmpty()) {
                ++letters;
                EXPECT_FALSE(seen.contains(letter))
                    << owner->objectName().toStdString() << ": " << a->text().toStdString();
                seen.insert(letter);
            }
            if (!a->shortcut().isEmpty()) {
                const QString key = a->shortcut().toString();
                EXPECT_FALSE(shortcuts.contains(key)) << key.toStdString();
                shortcuts.insert(key);
            }
        }
    }
    EXPECT_GT(letters, 30); // the menus were filled and lettered
}
