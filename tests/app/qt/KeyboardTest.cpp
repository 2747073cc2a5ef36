// SPDX-License-Identifier: GPL-3.0-or-later
// The main window by keyboard: every menu item has an Alt letter of its own, an edit button
// opens its entry on Space and Enter, a second click keeps what is typed, and the window's
// shortcuts work from every field.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <functional>
#include <map>
#include <memory>

#include "app/qt/MainWindowFixture.h"

namespace {

// The Alt letter of a caption, lower case, as the toolkit reads it: the character after a single
// '&' ("&&" is a literal ampersand); empty without one.
QString altLetter(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Each item of `owner` (a menu or the bar) has a letter, and no two share one.
void expectLettersOwnAndUnique(const QWidget* owner, const QString& where)
{
    std::map<QString, QString> taken;
    for (const QAction* a : owner->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString letter = altLetter(a->text());
        EXPECT_FALSE(letter.isEmpty()) << where.toStdString() << ": " << a->text().toStdString();
        if (letter.isEmpty()) continue;
        const auto [at, fresh] = taken.emplace(letter, a->text());
        EXPECT_TRUE(fresh) << where.toStdString() << ": " << a->text().toStdString() << " and "
                           << at->second.toStdString() << " share " << letter.toStdString();
    }
}

} // namespace

TEST_F(MainWindowTest, EveryMenuItemHasAnAltLetterOfItsOwn)
{
    fake.exeDir = std::string(KINOVAR_SOURCE_DIR) + "/data/";
    // With a step to undo and a recent project, as a user's menus look after some work.
    QTest::mouseClick(control("autofillButton"), Qt::LeftButton);
    for (int round = 0; round < 2; ++round) {
        expectLettersOwnAndUnique(form->menuBar(), QStringLiteral("menu bar"));
        for (QMenu* menu : form->menuBar()->findChildren<QMenu*>()) {
            emit menu->aboutToShow(); // the menus are filled and named as they open
            expectLettersOwnAndUnique(menu, menu->objectName() + " " + menu->title());
        }
        trigger("undoAction"); // the item renamed: "Отменить" again
    }
}

TEST_F(MainWindowTest, SpaceAndEnterBothOpenAParametersEntry)
{
    activate();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        QWidget* button = control("l2Button");
        button->setFocus();
        QTest::keyClick(button, key);
        EXPECT_TRUE(control("entryPanel")->isVisible());
        EXPECT_EQ(control<QLabel>("entryName")->text(), QStringLiteral("L2 ="));
        EXPECT_TRUE(control("entryEdit")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(control("entryPanel")->isVisible());
        EXPECT_TRUE(button->hasFocus()); // back where the user was
    }
}

TEST_F(MainWindowTest, ASecondClickOnTheButtonKeepsTheTyping)
{
    activate();
    const struct {
        const char* how;
        std::function<void(QWidget*)> press;
    } cases[] = {
        {"second click", [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); }},
        {"double click", [](QWidget* b) { QTest::mouseDClick(b, Qt::LeftButton); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QWidget* button = control("l1Button");
        QTest::mouseClick(button, Qt::LeftButton);
        auto* edit = control<QLineEdit>("entryEdit");
        edit->selectAll();
        QTest::keyClicks(edit, "12,5");
        c.press(button);
        EXPECT_TRUE(control("entryPanel")->isVisible());
        EXPECT_EQ(edit->text(), QStringLiteral("12,5"));
        EXPECT_TRUE(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Escape);
    }
    EXPECT_EQ(params.l1, 10); // nothing was confirmed
}

TEST_F(MainWindowTest, WindowShortcutsWorkFromEveryField)
{
    const QList<QAction*> actions = form->findChildren<QAction*>();
    for (QAction* a : actions) // observe the routing only: no command runs
        QObject::disconnect(a, &QAction::triggered, form.get(), nullptr);
    activate();
    QTest::mouseClick(control("cycleEditButton"), Qt::LeftButton); // the count field enabled
    QTest::mouseClick(control("m1Button"), Qt::LeftButton);        // the entry open
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* action;
    } keys[] = {
        {Qt::Key_E, Qt::ControlModifier, "exportCsvAction"},
        {Qt::Key_S, Qt::ControlModifier, "saveReportAction"},
        {Qt::Key_N, Qt::ControlModifier, "newAction"},
        {Qt::Key_O, Qt::ControlModifier, "openReportAction"},
        {Qt::Key_P, Qt::ControlModifier, "printAction"},
        {Qt::Key_F9, Qt::NoModifier, "calculateAction"},
    };
    QWidget* fields[] = {control<QComboBox>("stepBox")->lineEdit(), control("cycleCountEdit"),
                         control("entryEdit"), control("listing"), control("grid")};
    for (QWidget* field : fields) {
        for (const auto& k : keys) {
            SCOPED_TRACE(field->objectName().toStdString() + " " + k.action);
            field->setFocus();
            ASSERT_TRUE(field->hasFocus());
            QSignalSpy spy(control<QAction>(k.action), &QAction::triggered);
            QTest::keyClick(field, k.key, k.modifiers);
            EXPECT_EQ(spy.count(), 1);
        }
    }
    // The field's own editing keys stay with it: Ctrl+A selects the typed text.
    auto* count = control<QLineEdit>("cycleCountEdit");
    count->setText(QStringLiteral("12"));
    count->setFocus();
    count->deselect();
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(count->selectedText(), QStringLiteral("12"));
}
