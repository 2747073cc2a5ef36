// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell: menu and shortcuts, "Индикатор", the
// fade-in and fade-out, and the commands that only switch windows.
#include <QAction>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include "app/qt/AboutWindow.h"
#include "app/qt/MainWindowFixture.h"
#include "present/qt/ListingView.h"
#include "present/qt/MoEChartWindow.h"
#include "support/TimerTick.h"

namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool shown;
};

const MenuItem kMenu[] = {
    {"newAction", "Новый", QKeySequence(Qt::CTRL | Qt::Key_N), true},
    {"openReportAction", "Открыть отчёт…", QKeySequence(Qt::CTRL | Qt::Key_O), true},
    {"saveReportAction", "Сохранить отчёт…", QKeySequence(Qt::CTRL | Qt::Key_S), true},
    {"openProjectAction", "Открыть проект…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), true},
    {"saveProjectAction", "Сохранить проект", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), true},
    {"saveProjectAsAction", "Сохранить проект как…", QKeySequence(), true},
    {"exportCsvAction", "Экспорт CSV…", QKeySequence(Qt::CTRL | Qt::Key_E), true},
    {"undoAction", "Отменить", QKeySequence(Qt::CTRL | Qt::Key_Z), true},
    {"redoAction", "Повторить", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), true},
    {"quitAction", "Выход", QKeySequence(), true},
    {"refreshAction", "Обновить", QKeySequence(Qt::Key_F5), true},
    {"summaryAction", "Сводка", QKeySequence(Qt::Key_F10), true},
    {"indicatorAction", "Индикатор", QKeySequence(), true},
    {"calculateAction", "Расчет", QKeySequence(Qt::Key_F9), true},
    {"animationAction", "Анимация", QKeySequence(Qt::Key_F8), true},
    {"moeChartAction", "Графики", QKeySequence(Qt::Key_F7), true},
    {"autofillAction", "Автозаполнение", QKeySequence(Qt::Key_F4), true},
    {"quantityChartAction", "Параметры", QKeySequence(Qt::Key_F6), true},
    {"guideAction", "Справка", QKeySequence(Qt::Key_F1), true},
    {"aboutAction", "О программе", QKeySequence(), true},
};

struct KeyRoute {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* action; // the action the key must trigger, exactly once
};

const KeyRoute kKeys[] = {
    {Qt::Key_N, Qt::ControlModifier, "newAction"},
    {Qt::Key_O, Qt::ControlModifier, "openReportAction"},
    {Qt::Key_S, Qt::ControlModifier, "saveReportAction"},
    {Qt::Key_E, Qt::ControlModifier, "exportCsvAction"},
    {Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier, "openProjectAction"},
    {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "saveProjectAction"},
    {Qt::Key_Z, Qt::ControlModifier, "undoAction"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "redoAction"},
    {Qt::Key_Y, Qt::ControlModifier, "redoAction"},
    {Qt::Key_F4, Qt::NoModifier, "autofillAction"},
    {Qt::Key_F5, Qt::NoModifier, "refreshAction"},
    {Qt::Key_F6, Qt::NoModifier, "quantityChartAction"},
    {Qt::Key_F7, Qt::NoModifier, "moeChartAction"},
    {Qt::Key_F8, Qt::NoModifier, "animationAction"},
    {Qt::Key_F9, Qt::NoModifier, "calculateAction"},
    {Qt::Key_F10, Qt::NoModifier, "summaryAction"},
    {Qt::Key_F1, Qt::NoModifier, "guideAction"},
};

} // namespace

TEST_F(MainWindowTest, MenuHasEveryItemWithItsCaptionShortcutAndVisibility)
{
    for (const MenuItem& item : kMenu) {
        auto* action = form->findChild<QAction*>(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        // The caption as read, without its Alt letter's mark.
        EXPECT_EQ(QString(action->text()).remove(QLatin1Char('&')), QString::fromUtf8(item.caption))
            << item.name;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
        EXPECT_EQ(action->isVisible(), item.shown) << item.name;
    }
    EXPECT_TRUE(control<QAction>("indicatorAction")->isChecked());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kinovar (ver.1.3)"));
}

// Every shortcut reaches its action once and no other.
TEST_F(MainWindowTest, ShortcutsReachTheirCommands)
{
    const QList<QAction*> actions = form->findChildren<QAction*>();
    for (QAction* a : actions) // observe the routing only: no command runs
        QObject::disconnect(a, &QAction::triggered, form.get(), nullptr);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QAction* a : actions)
        spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
    QSignalSpy ambiguous(control<QAction>("openReportAction"), &QAction::triggered);
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

TEST_F(MainWindowTest, IndicatorTogglesOnlyItsCheckMark)
{
    auto* indicator = control<QAction>("indicatorAction");
    auto* bar = control<QProgressBar>("progressBar");
    form->resultsPanel().setListingText(QStringLiteral("x"));
    bar->setValue(3);
    const int32_t n = params.N;
    for (bool expected : {false, true, false, true}) {
        indicator->trigger();
        EXPECT_EQ(indicator->isChecked(), expected);
    }
    form->toggleIndicator();
    EXPECT_FALSE(indicator->isChecked());
    EXPECT_EQ(control<ListingView>("listing")->toPlainText(), QStringLiteral("x"));
    EXPECT_EQ(bar->value(), 3);
    EXPECT_EQ(params.N, n);
}

TEST_F(MainWindowTest, FadeInTakesSeventeenTicksThenTheTimerStops)
{
    auto* fade = control<QTimer>("fadeTimer");
    EXPECT_EQ(form->opacity(), 0);
    EXPECT_EQ(fade->interval(), 1);
    EXPECT_TRUE(fade->isActive());
    for (int step = 1; step <= 16; ++step) {
        form->fadeInStep();
        EXPECT_EQ(form->opacity(), 15 * step);
        EXPECT_TRUE(fade->isActive()) << step;
    }
    form->fadeInStep();
    EXPECT_EQ(form->opacity(), 255);
    EXPECT_FALSE(fade->isActive());
}

// The timer's ticks drive the fade: each tick is delivered here as the event loop delivers it,
// so the test does not depend on how soon a busy machine gets round to them.
TEST_F(MainWindowTest, FadeInRunsOnTheEventLoop)
{
    auto* fade = control<QTimer>("fadeTimer");
    form->show();
    int ticks = 0;
    for (; fade->isActive() && ticks < 100; ++ticks)
        tick(fade);
    EXPECT_FALSE(fade->isActive());
    EXPECT_EQ(form->opacity(), 255);
    EXPECT_LE(ticks, 17);
}

TEST_F(MainWindowTest, CloseFadesOutToTransparent)
{
    for (int start : {255, 45}) { // 45: closed before the fade-in ended, no wrap-around
        form->show();
        form->setOpacity(start);
        EXPECT_TRUE(form->close());
        EXPECT_EQ(form->opacity(), 0) << start;
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(control<QTimer>("fadeTimer")->isActive());
    }
}

TEST_F(MainWindowTest, ExitClosesTheWindow)
{
    form->show();
    form->setOpacity(255);
    trigger("quitAction");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->opacity(), 0);
}

TEST_F(MainWindowTest, AutofillCommandClicksTheAutofillButton)
{
    QSignalSpy clicked(control<QPushButton>("autofillButton"), &QPushButton::clicked);
    trigger("autofillAction");
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(MainWindowTest, AboutCommandShowsTheAboutWindow)
{
    AboutWindow about;
    form->setSideWindows({nullptr, nullptr, &about});
    trigger("aboutAction");
    EXPECT_TRUE(about.isVisible());
    about.hide();
}

TEST_F(MainWindowTest, RendererSelection)
{
    EXPECT_EQ(form->animationPanel().rendererIndex(), 1);
    QTest::mouseClick(control("rendererItem0"), Qt::LeftButton);
    EXPECT_EQ(form->animationPanel().rendererIndex(), 0);
    EXPECT_FALSE(control<QRadioButton>("rendererItem1")->isChecked());
    EXPECT_FALSE(control("rendererChoice")->toolTip().isEmpty());
}

// The window reaches the other windows only through what it was handed: a window it was not
// handed is not shown, and handing one over makes its command show it.
TEST_F(MainWindowTest, WindowCommandsShowOnlyTheWindowsHandedOver)
{
    AboutWindow about;
    MoEChartWindow moeChart(params, store(), fake);
    trigger("aboutAction");
    trigger("moeChartAction");
    trigger("quantityChartAction");
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(moeChart.isVisible());

    form->setSideWindows({&moeChart, nullptr, nullptr});
    trigger("aboutAction");
    trigger("moeChartAction");
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(moeChart.isVisible());
    moeChart.hide();
}
