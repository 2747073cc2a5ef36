// The main window's shell: menu and shortcuts (the hidden items included), "Индикатор", the
// fade-in and fade-out, and the commands that only switch windows.
#include <QAction>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include "app/qt/MainWindowFixture.h"
#include "app/qt/AboutWindow.h"

namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool shown;
};

const MenuItem kMenu[] = {
    {"N2", "Новый", QKeySequence(Qt::CTRL | Qt::Key_N), true},
    {"N3", "Открыть", QKeySequence(Qt::CTRL | Qt::Key_O), false},
    {"N4", "Сохранить Отчёт", QKeySequence(Qt::CTRL | Qt::Key_S), false},
    {"N5", "Выход", QKeySequence(), true},
    {"N15", "Обновить", QKeySequence(Qt::Key_F5), true},
    {"N7", "Индикатор", QKeySequence(), true},
    {"N10", "Расчет", QKeySequence(Qt::Key_F9), true},
    {"N12", "Анимация", QKeySequence(Qt::Key_F8), true},
    {"N16", "Графики", QKeySequence(Qt::Key_F7), true},
    {"N17", "Автозаполнение", QKeySequence(Qt::Key_F4), true},
    {"N13", "Параметры", QKeySequence(Qt::Key_F6), true},
    {"N14", "О программе", QKeySequence(), true},
};

struct KeyRoute {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* action; // the action the key must trigger, exactly once
};

const KeyRoute kKeys[] = {
    {Qt::Key_N, Qt::ControlModifier, "N2"},   {Qt::Key_O, Qt::ControlModifier, "N3tw"},
    {Qt::Key_S, Qt::ControlModifier, "N4tw"}, {Qt::Key_F4, Qt::NoModifier, "N17"},
    {Qt::Key_F5, Qt::NoModifier, "N15"},      {Qt::Key_F6, Qt::NoModifier, "N13"},
    {Qt::Key_F7, Qt::NoModifier, "N16"},      {Qt::Key_F8, Qt::NoModifier, "N12"},
    {Qt::Key_F9, Qt::NoModifier, "N10"},
};

} // namespace

TEST_F(MainWindowTest, MenuHasEveryItemWithItsCaptionShortcutAndVisibility)
{
    for (const MenuItem& item : kMenu) {
        auto* action = form->findChild<QAction*>(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
        EXPECT_EQ(action->isVisible(), item.shown) << item.name;
    }
    EXPECT_TRUE(form->N7->isChecked());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kinovar (ver.1.3)"));
}

// Every shortcut reaches its action once and no other; the hidden "Открыть" and "Сохранить
// Отчёт" are reached through their twins, which run the same handlers.
TEST_F(MainWindowTest, ShortcutsReachTheirCommandsIncludingTheHiddenOnes)
{
    const QList<QAction*> actions = form->findChildren<QAction*>();
    for (QAction* a : actions) // observe the routing only: no command runs
        QObject::disconnect(a, &QAction::triggered, form.get(), nullptr);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QAction* a : actions)
        spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
    QSignalSpy ambiguous(form->N3, &QAction::triggered);
    activate();

    for (const KeyRoute& k : kKeys) {
        for (auto& spy : spies)
            spy->clear();
        QTest::keyClick(form.get(), k.key, k.modifiers);
        for (qsizetype i = 0; i < actions.size(); ++i) {
            const bool target = actions[i]->objectName() == QLatin1String(k.action);
            EXPECT_EQ(spies[static_cast<size_t>(i)]->count(), target ? 1 : 0)
                << k.action << " key; action " << actions[i]->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, HiddenItemTwinsBelongToTheWindowAndAreConnected)
{
    EXPECT_EQ(form->N3tw->shortcut(), form->N3->shortcut());
    EXPECT_EQ(form->N4tw->shortcut(), form->N4->shortcut());
    EXPECT_TRUE(form->actions().contains(form->N3tw));
    EXPECT_TRUE(form->actions().contains(form->N4tw));
    EXPECT_TRUE(QObject::disconnect(form->N3tw, &QAction::triggered, form.get(), nullptr));
    EXPECT_TRUE(QObject::disconnect(form->N4tw, &QAction::triggered, form.get(), nullptr));
}

TEST_F(MainWindowTest, IndicatorTogglesOnlyItsCheckMark)
{
    form->setMemo(QStringLiteral("x"));
    form->Loadbar->setValue(3);
    const int32_t n = params.N;
    for (bool expected : {false, true, false, true}) {
        form->N7->trigger();
        EXPECT_EQ(form->N7->isChecked(), expected);
    }
    form->N7Click();
    EXPECT_FALSE(form->N7->isChecked());
    EXPECT_EQ(form->otchet->toPlainText(), QStringLiteral("x"));
    EXPECT_EQ(form->Loadbar->value(), 3);
    EXPECT_EQ(params.N, n);
}

TEST_F(MainWindowTest, FadeInTakesSeventeenTicksThenTheTimerStops)
{
    EXPECT_EQ(form->opacity(), 0);
    EXPECT_EQ(form->Timer1->interval(), 1);
    EXPECT_TRUE(form->Timer1->isActive());
    for (int tick = 1; tick <= 16; ++tick) {
        form->Timer1Timer();
        EXPECT_EQ(form->opacity(), 15 * tick);
        EXPECT_TRUE(form->Timer1->isActive()) << tick;
    }
    form->Timer1Timer();
    EXPECT_EQ(form->opacity(), 255);
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(MainWindowTest, FadeInRunsOnTheEventLoop)
{
    form->show();
    QElapsedTimer clock;
    clock.start();
    while (form->Timer1->isActive() && clock.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->opacity(), 255);
}

TEST_F(MainWindowTest, CloseFadesOutToTransparent)
{
    for (int start : {255, 45}) { // 45: closed before the fade-in ended, no wrap-around
        form->show();
        form->setOpacity(start);
        EXPECT_TRUE(form->close());
        EXPECT_EQ(form->opacity(), 0) << start;
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->Timer1->isActive());
    }
}

TEST_F(MainWindowTest, ExitClosesTheWindow)
{
    form->show();
    form->setOpacity(255);
    form->N5->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->opacity(), 0);
}

TEST_F(MainWindowTest, AutofillCommandClicksTheAutofillButton)
{
    QSignalSpy clicked(form->BitBtn, &QPushButton::clicked);
    form->N17->trigger();
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(MainWindowTest, AboutCommandShowsTheAboutWindow)
{
    AboutWindow about;
    ASSERT_EQ(Form4, &about);
    form->N14->trigger();
    EXPECT_TRUE(about.isVisible());
    about.hide();
}

TEST_F(MainWindowTest, RendererSelection)
{
    EXPECT_EQ(form->rgdItemIndex(), 1);
    form->rgdItems[0]->click();
    EXPECT_EQ(form->rgdItemIndex(), 0);
    EXPECT_FALSE(form->rgdItems[1]->isChecked());
    EXPECT_FALSE(form->rgd->toolTip().isEmpty());
}

TEST_F(MainWindowTest, ReferencesAreSetAndCleared)
{
    EXPECT_EQ(Form1, form.get());
    form.reset();
    EXPECT_EQ(Form1, nullptr);
}
