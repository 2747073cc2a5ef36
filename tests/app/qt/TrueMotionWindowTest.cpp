// SPDX-License-Identifier: GPL-3.0-or-later
// The "Истинное движение" window as the "Вид" menu opens it: filled from the run under either
// law, following the crank-angle cursor into the period, and each of its choices one undoable
// change of the parameters (a refused value none).
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/CursorDocks.h"
#include "app/qt/MainWindow.h"
#include "app/qt/controllers/ProjectController.h"
#include "calc/TrueMotionFixtures.h"
#include "calc/TrueMotionStage.h"
#include "params/qt/ParameterPanel.h"
#include "present/SummaryText.h"
#include "present/qt/ChartView.h"
#include "present/qt/TrueMotionWindow.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

namespace {

class TrueMotionWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.separator = ',';
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        // Two turns at 1°, so that the cursor's second turn is taken back into the period.
        form->parameterPanel().run([](ParamSet& p) {
            p = motiontest::loadedSet();
            p.N = 721;
            p.cycles = 30;
            motiontest::driveByMotor(p);
            p.delta = 0.04L;
            return Outcome{};
        });
    }
    void TearDown() override { form.reset(); }

    TrueMotionWindow* window() const { return child<TrueMotionWindow>(*form, "trueMotionWindow"); }
    QUndoStack& history() { return form->projectController().undoStack(); }
    // The points of a series: the charts of crank angle keep theirs with the window, the
    // start-up's chart its own.
    QList<QPointF> points(const char* series) const
    {
        if (auto* s = window()->findChild<QLineSeries*>(QString::fromLatin1(series)))
            return s->points();
        QChart* chart = child<QChartView>(*window(), "startUpView")->chart();
        return child<QLineSeries>(*chart, series)->points();
    }
    // The figures' labels, each with its value: "δ заданное: 0,04".
    QStringList figures() const
    {
        QStringList out;
        const auto labels = child<QGroupBox>(*window(), "trueMotionFigures")
                                ->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        for (const QLabel* l : labels)
            out << l->text();
        return out;
    }

    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
};

TEST_F(TrueMotionWindowTest, OpensFromTheViewMenuAndShowsTheRunUnderEitherLaw)
{
    QAction* action = child<QAction>(*form, "trueMotionAction");
    EXPECT_TRUE(form->menuBar()->findChild<QMenu*>("viewMenu")->actions().contains(action));
    trigger(*form, "trueMotionAction");
    ASSERT_TRUE(window()->isVisible());
    EXPECT_TRUE(child<QLabel>(*window(), "trueMotionNote")->isVisible());
    EXPECT_TRUE(points("speedSeries").isEmpty());

    const struct {
        MotionLaw law;
        bool noted; // the note says the results follow the prescribed law
    } cases[] = {{MotionLaw::True, false}, {MotionLaw::Prescribed, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.law));
        form->parameterPanel().run([&c](ParamSet& p) {
            p.motion = c.law;
            return Outcome{};
        });
        form->calculate(); // the open window follows the new results
        EXPECT_EQ(child<QLabel>(*window(), "trueMotionNote")->isVisible(), c.noted);
        const TrueMotionRun found = findTrueMotion(params);
        ASSERT_TRUE(found.steady);
        const long double mean = found.steady->omegaMean;
        const QList<QPointF> speed = points("speedSeries");
        ASSERT_EQ(speed.size(), static_cast<qsizetype>(found.steady->speed.size()));
        EXPECT_EQ(speed.front().x(), params.fi0);
        EXPECT_NEAR(speed.front().y(), static_cast<double>(found.steady->startSpeed), 1e-9);
        const struct {
            const char* series;
            long double level;
        } levels[] = {{"meanSpeedSeries", mean},
                      {"bandLowSeries", mean * (1 - 0.02L)},
                      {"bandHighSeries", mean * (1 + 0.02L)}};
        for (const auto& l : levels) {
            const QList<QPointF> line = points(l.series);
            ASSERT_EQ(line.size(), 2) << l.series;
            EXPECT_NEAR(line[0].y(), static_cast<double>(l.level), 1e-9) << l.series;
            EXPECT_EQ(line[1].x(), speed.back().x()) << l.series;
        }
        EXPECT_EQ(points("inertiaSeries").size(),
                  static_cast<qsizetype>(found.steady->inertia.size()));
        ASSERT_TRUE(found.startUp);
        EXPECT_EQ(points("startUpSeries").size(),
                  static_cast<qsizetype>(found.startUp->speed.size()));
        const QStringList shown = figures();
        EXPECT_TRUE(shown.contains(QString::fromStdString(summaryFigure(found.steady->delta, ','))))
            << shown.join('|').toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("δ заданное:")));
    }
}

TEST_F(TrueMotionWindowTest, FollowsTheCursorIntoThePeriod)
{
    form->calculate();
    QCoreApplication::processEvents(); // the cursor takes the run's steps
    trigger(*form, "trueMotionAction");
    auto* docks = form->findChild<CursorDocks*>();
    ASSERT_NE(docks, nullptr);
    auto* speedView = child<MarkedChartView>(*window(), "speedView");
    auto* inertiaView = child<MarkedChartView>(*window(), "inertiaView");
    const struct {
        int step;
        double angle; // the crank angle taken into the period from fi0 = 30°
    } cases[] = {{1, 30}, {91, 120}, {451, 120}, {361, 30}, {721, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        docks->cursor().moveTo(c.step);
        ASSERT_TRUE(speedView->cursorAngle());
        EXPECT_NEAR(*speedView->cursorAngle(), c.angle, 1e-9);
        EXPECT_EQ(inertiaView->cursorAngle(), speedView->cursorAngle());
        // The readout's ω is the run's own at that step, read between the curve's points.
        const auto at = trueMotionAt(window()->view(), c.angle);
        ASSERT_TRUE(at);
        EXPECT_NEAR(static_cast<double>(at->omega),
                    static_cast<double>((*store)(Quantity::omega_true, c.step)), 1e-3);
        EXPECT_TRUE(child<QLabel>(*window(), "trueMotionCursor")
                        ->text()
                        .contains(QString::fromStdString(summaryFigure(at->omega, ','))));
    }
    window()->showStep(store->computedSteps() + 1);
    EXPECT_FALSE(speedView->cursorAngle());
    EXPECT_TRUE(child<QLabel>(*window(), "trueMotionCursor")->text().isEmpty());
}

TEST_F(TrueMotionWindowTest, EachChoiceIsOneUndoStepAndARefusalNone)
{
    form->calculate();
    trigger(*form, "trueMotionAction");
    const struct {
        const char* edit;
        const char* typed;
        long double ParamSet::*field;
        long double value;   // the field after the edit
        const char* refusal; // the message of a refused value, nullptr when stored
    } cases[] = {
        {"jfwEdit", "0,5", &ParamSet::flywheel, 0.5L, nullptr},
        {"mnEdit", "75", &ParamSet::motorMoment, 75, nullptr},
        {"w0Edit", "110.5", &ParamSet::motorSynchronous, 110.5L, nullptr},
        {"wStartEdit", "20", &ParamSet::startSpeed, 20, nullptr},
        {"wStartEdit", "-5", &ParamSet::startSpeed, 0,
         "w_start: ω пуска не может быть отрицательной"},
        {"jfwEdit", "five", &ParamSet::flywheel, 0.3L, "five: введите число"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit + std::string(" ") + c.typed);
        const long double before = params.*(c.field);
        const int steps = history().index();
        fake.messages.clear();
        auto* edit = child<QLineEdit>(*window(), c.edit);
        const QString shownBefore = edit->text();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(c.typed));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(params.*(c.field), c.value);
        if (c.refusal) {
            ASSERT_EQ(fake.messages.size(), 1u);
            EXPECT_EQ(fake.messages[0], c.refusal);
            EXPECT_EQ(history().index(), steps);
            EXPECT_EQ(edit->text(), shownBefore);
            continue;
        }
        EXPECT_TRUE(fake.messages.empty());
        ASSERT_EQ(history().index(), steps + 1);
        history().undo();
        EXPECT_EQ(params.*(c.field), before);
        EXPECT_EQ(edit->text(), shownBefore); // the box follows the undo
    }

    // The drive's box and the flywheel's "from the summary" by the keyboard and a click.
    auto* drive = child<QComboBox>(*window(), "driveBox");
    drive->setFocus();
    const int steps = history().index();
    QTest::keyClick(drive, Qt::Key_Down); // from the motor to the table
    EXPECT_EQ(params.drive, DriveKind::Table);
    auto* fromSummary = child<QCheckBox>(*window(), "flywheelFromSummary");
    child<QScrollArea>(*window(), "trueMotionSide")->ensureWidgetVisible(fromSummary);
    // On the box itself: the check box spans the column, its text only part of it.
    QTest::mouseClick(fromSummary, Qt::LeftButton, {}, QPoint(8, fromSummary->height() / 2));
    EXPECT_LT(params.flywheel, 0);
    EXPECT_FALSE(child<QLineEdit>(*window(), "jfwEdit")->isEnabled());
    ASSERT_EQ(history().index(), steps + 2);
    history().undo();
    EXPECT_EQ(params.flywheel, 0.3L);
    EXPECT_TRUE(child<QLineEdit>(*window(), "jfwEdit")->isEnabled());
    history().undo();
    EXPECT_EQ(params.drive, DriveKind::Motor);
    EXPECT_EQ(drive->currentIndex(), 1);
}

} // namespace
