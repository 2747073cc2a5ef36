// SPDX-License-Identifier: GPL-3.0-or-later
// The interface speaks Russian throughout: no word of two or more Latin letters stands in any
// text a user sees (captions, items, tooltips, window titles, menus, table headings, chart
// titles) of the program's windows, but for the symbols and names on a short list.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QValueAxis>
#include <memory>

#include "app/qt/WindowWalkFixture.h"
#include "support/VisibleTexts.h"
#include "calc/Quantities.h"

namespace {

// Symbols of the mechanism and of the trade, the program's name and file formats: what a
// Russian interface writes in Latin letters as well.
const QSet<QString> kAllowed = {
    // the program, its files and formats
    "Kinovar",
    "CSV",
    "PDF",
    "JSON",
    "ini",
    "txt",
    "csv",
    "pdf",
    "kinovar",
    "scr",
    "Kinetic",
    // the version mark of the untitled window's title ("Kinovar (ver.1.3)"), which the work on
    // the project's title replaces
    "ver",
    // the licence and the toolkit named in "О программе"
    "GNU",
    "GPL",
    "Qt",
    // the mechanism's symbols and the key figures' subscripts
    "Mo",
    "Fi",
    "Fit",
    "Fitt",
    "yB",
    "vB",
    "aB",
    "Ctrl",
    "Shift",
    "Alt",
    "Esc",
    // subscripts of a formula: ω_max, ω_min, F_sh
    "max",
    "min",
    "sh",
    // the menu "Язык / Language", which names each language in itself
    "Language",
    "English",
};

// Each run of two or more Latin letters in `text` that is neither on the list nor a quantity's
// short name.
QStringList englishWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression token(QStringLiteral("[A-Za-z][A-Za-z0-9_]*"));
    QStringList found;
    for (auto t = token.globalMatch(text); t.hasNext();) {
        const QString symbol = t.next().captured();
        // The quantities' short names ("xc1", "mo") are the mechanism's symbols, as "L1" is.
        if (quantity_detail::isQuantityName(symbol.toStdString())) continue;
        for (auto it = word.globalMatch(symbol); it.hasNext();) {
            const QString w = it.next().captured();
            if (!kAllowed.contains(w)) found << w;
        }
    }
    return found;
}

} // namespace

class RussianWindowTest : public WindowWalkTest {};

TEST_F(RussianWindowTest, TheRussianInterfaceHasNoEnglishWords)
{
    const QList<QWidget*> windows = everyWindow();
    int texts = 0;
    for (QWidget* window : windows) {
        for (const auto& [where, text] : visibleTexts(window)) {
            ++texts;
            EXPECT_TRUE(englishWords(text).isEmpty())
                << window->objectName().toStdString() << " / " << where.toStdString() << ": «"
                << text.toStdString() << "» has " << englishWords(text).join(", ").toStdString();
        }
    }
    EXPECT_GT(texts, 200); // the walk saw the windows' texts, not an empty shell
}

// The check itself: English words are caught, symbols and Cyrillic pass.
TEST(RussianText, EnglishWordsAreCaughtAndSymbolsPass)
{
    const struct {
        const char* text;
        QStringList words;
    } cases[] = {
        {"Renderer", {"Renderer"}},
        {"Text File (*.txt)", {"Text", "File"}},
        {"ok", {"ok"}},
        {"ext 0.1", {"ext"}},
        {"Графики Mo и E", {}},
        {"Экспорт CSV…", {}},
        {"L1=", {}},
        {"Fitt0=", {}},
        {"x24", {}},
        {"Kinovar (ver.1.3)", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(englishWords(QString::fromUtf8(c.text)), c.words) << c.text;
}
