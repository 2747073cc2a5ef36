// SPDX-License-Identifier: GPL-3.0-or-later
// "Подобрать противовес…" as one undoable change of the parameters, and the hodograph of the
// shaking force as the "Вид" menu opens it, following the run and the crank-angle cursor.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScatterSeries>
#include <QUndoStack>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "app/qt/controllers/BalanceCommands.h"
#include "app/qt/controllers/ProjectController.h"
#include "calc/Calculation.h"
#include "calc/FigureRun.h"
#include "calc/Quantities.h"
#include "params/Autofill.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "present/qt/ShakingChartWindow.h"
#include "support/FakePlatform.h"

namespace {

class Balance : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.separator = ',';
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        chart = std::make_unique<ShakingChartWindow>(*store, fake);
        commands = std::make_unique<BalanceCommands>(fake, params, *store, form->parameterPanel(),
                                                     form->numbers(), chart.get());
        commands->addMenuItems(form->menuBar()->findChild<QMenu*>("operationsMenu"),
                               form->menuBar()->findChild<QMenu*>("viewMenu"));
        // The defaults with their points placed: a crank of 10 with 4 kg at its middle, a rod
        // with 10 kg at its middle, a 2 kg slider.
        form->parameterPanel().run([](ParamSet& p) {
            setDefaults(p);
            EXPECT_TRUE(autofillPoints(p));
            return Outcome{};
        });
    }
    void TearDown() override
    {
        commands.reset();
        chart.reset();
        form.reset();
    }
    void trigger(const char* action) { form->findChild<QAction*>(action)->trigger(); }
    QUndoStack& history() { return form->projectController().undoStack(); }
    // The chart owns its series, outside the window's object tree.
    QList<QPointF> seriesPoints(const char* name)
    {
        for (QAbstractSeries* s : chart->findChild<QChartView*>("hodographView")->chart()->series())
            if (s->objectName() == QLatin1String(name))
                return qobject_cast<QXYSeries*>(s)->points();
        ADD_FAILURE() << "no series " << name;
        return {};
    }

    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ShakingChartWindow> chart;
    std::unique_ptr<BalanceCommands> commands;
};

} // namespace

// m_cw·r_cw = 4·5 + 5·10 + c·(2 + 5)·10 by hand (the rod's 10 kg half at A, half at B), with
// r_cw = l1 = 10: m_cw = 10.5 for c = 0.5; what cannot be chosen changes nothing.
TEST_F(Balance, ChoosingIsOneUndoableChange)
{
    const struct {
        std::optional<std::string> reply;
        bool placed;
        const char* message; // nullptr: none
        long double mass;    // m_cw after the command
    } cases[] = {
        {std::nullopt, true, nullptr, 0}, {"2", true, kFractionRefused, 0},
        {"0,5", false, kNoCrankPin, 0},   {"0,5", true, nullptr, 10.5L},
        {"0", true, nullptr, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply.value_or("cancelled"));
        form->parameterPanel().run([&c](ParamSet& p) {
            p.m_cw = 0, p.r_cw = 0, p.fi_cw = 180;
            if (c.placed) {
                EXPECT_TRUE(autofillPoints(p));
            } else {
                p.ac4 = p.bc4 = 0;
            }
            return Outcome{};
        });
        const int steps = history().index();
        fake.messages.clear();
        fake.textReplies = {c.reply};
        trigger("chooseCounterweightAction");
        if (c.message) {
            ASSERT_EQ(fake.messages.size(), 1u);
            EXPECT_EQ(fake.messages[0], c.message);
        } else {
            EXPECT_TRUE(fake.messages.empty());
        }
        EXPECT_NEAR(double(params.m_cw), double(c.mass), 1e-12);
        if (c.mass == 0) {
            EXPECT_EQ(history().index(), steps);
            continue;
        }
        EXPECT_NEAR(double(params.r_cw), 10, 1e-15);
        EXPECT_EQ(params.fi_cw, 180);
        ASSERT_EQ(history().index(), steps + 1);
        EXPECT_EQ(history().undoText(),
                  QStringLiteral("противовес, c = ") + QString::fromStdString(*c.reply));
        // The value box shows it, and one undo takes the whole counterweight off.
        EXPECT_EQ(form->parameterPanel().shownTexts().value(paramRowForKey("m_cw")).toStdString(),
                  paramLabelText(params, paramRowForKey("m_cw"), ','));
        history().undo();
        EXPECT_EQ(params.m_cw, 0);
        EXPECT_EQ(params.r_cw, 0);
    }
    // The question offers the fraction given last.
    fake.textReplies = {std::nullopt};
    trigger("chooseCounterweightAction");
    EXPECT_EQ(fake.calls.back(), std::string("text:") + kFractionQuestion + ":0");
}

// The hodograph is F_sh over the figures' period; with a counterweight the dashed curve is the
// force of the same mechanism run without one; the cursor's point is that of its step.
TEST_F(Balance, HodographFollowsTheRunAndTheCursor)
{
    fake.messages.clear();
    trigger("hodographAction");
    EXPECT_FALSE(chart->isVisible());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0], kNoResultsMessage);

    const ParamSet without = params;
    form->parameterPanel().run([](ParamSet& p) {
        p.m_cw = 3, p.r_cw = 6, p.fi_cw = 160;
        return Outcome{};
    });
    form->calculate();
    trigger("hodographAction");
    ASSERT_TRUE(chart->isVisible());

    const FigureRun figures(*store, params, store->computedSteps(), params.period);
    auto bare = std::make_unique<ResultStore>();
    runCalculation(without, *bare);
    const FigureRun bareFigures(*bare, without, bare->computedSteps(), without.period);
    const QList<QPointF> with = seriesPoints("hodographSeries");
    const QList<QPointF> alone = seriesPoints("withoutCounterweightSeries");
    ASSERT_EQ(with.size(), figures.steps());
    ASSERT_EQ(alone.size(), figures.steps());
    ASSERT_EQ(bareFigures.steps(), figures.steps());
    for (int i = 1; i <= figures.steps(); ++i) {
        const ResultStore& F = figures.store();
        const ResultStore& B = bareFigures.store();
        EXPECT_EQ(with[i - 1], QPointF(double(F(Quantity::fshx, i)), double(F(Quantity::fshy, i))));
        const double scale = double(B(Quantity::fsh, i)) + 1;
        EXPECT_NEAR(alone[i - 1].x(), double(B(Quantity::fshx, i)), 1e-9 * scale) << i;
        EXPECT_NEAR(alone[i - 1].y(), double(B(Quantity::fshy, i)), 1e-9 * scale) << i;
    }
    // One scale on both axes, about the origin.
    const QList<QAbstractAxis*> axes =
        chart->findChild<QChartView*>("hodographView")->chart()->axes();
    ASSERT_EQ(axes.size(), 2);
    const auto* x = qobject_cast<QValueAxis*>(axes[0]);
    const auto* y = qobject_cast<QValueAxis*>(axes[1]);
    EXPECT_EQ(x->min(), y->min());
    EXPECT_EQ(x->max(), y->max());
    EXPECT_EQ(x->min(), -x->max());

    chart->showStep(7);
    const QList<QPointF> cursor = seriesPoints("cursorPoint");
    ASSERT_EQ(cursor.size(), 1);
    EXPECT_EQ(cursor[0],
              QPointF(double((*store)(Quantity::fshx, 7)), double((*store)(Quantity::fshy, 7))));
    chart->showStep(store->computedSteps() + 1);
    EXPECT_TRUE(seriesPoints("cursorPoint").isEmpty());
}
