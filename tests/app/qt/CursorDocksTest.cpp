// SPDX-License-Identifier: GPL-3.0-or-later
// The one crank-angle cursor in the main window: moved by the slider's arrow keys, the field in
// degrees, a click in the grid or a click on a chart, it puts every other view on the same step:
// the mechanism view, the readout, the grid's current column and the line on every chart.
#include <QDockWidget>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include "app/qt/CursorDocks.h"
#include "app/qt/MainWindowFixture.h"
#include "base/NumberText.h"
#include "calc/CrankAngle.h"
#include "present/qt/ChartView.h"
#include "present/qt/CursorControl.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/MechanismView.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"

namespace {

class CursorDocksTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form->calculate();
        form->resultsPanel().refreshResults();
        QCoreApplication::processEvents();
        moe = std::make_unique<MoEChartWindow>(params, store(), fake);
        quantity = std::make_unique<QuantityChartWindow>(params, store(), fake,
                                                         [] { return QStringList(); });
        flywheel = std::make_unique<FlywheelChartWindow>(store(), fake, [] {
            return SummaryOptions{360, 0.05L};
        });
        form->setSideWindows({moe.get(), quantity.get(), nullptr, nullptr, flywheel.get()});
        form->show();
        moe->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(moe.get()));
    }
    void TearDown() override
    {
        moe.reset(), quantity.reset(), flywheel.reset();
        MainWindowTest::TearDown();
    }

    // Every view shows `step`: the mechanism, the readout, the grid's column, each chart's line.
    void expectEveryViewAt(int step, const char* how)
    {
        const ParamSet& run = *store().computedWith();
        EXPECT_EQ(control<MechanismView>("mechanismView")->pose().step, step) << how;
        auto* grid = control<QTableView>("grid");
        EXPECT_EQ(grid->currentIndex().column(), step - 1) << how;
        const QStringList lines = control<CursorControl>("cursorControl")->readoutLines();
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.front().toStdString(),
                  "yb = " + FormatGeneral(store()(Quantity::yb, step), form->numbers().decimal) +
                      " м")
            << how;
        const double angle = static_cast<double>(crankAngleDegrees(run, step));
        int charts = 0;
        for (QWidget* w : {static_cast<QWidget*>(moe.get()), static_cast<QWidget*>(quantity.get()),
                           static_cast<QWidget*>(flywheel.get())})
            for (MarkedChartView* chart : w->findChildren<MarkedChartView*>()) {
                ++charts;
                ASSERT_TRUE(chart->cursorAngle().has_value()) << how;
                EXPECT_DOUBLE_EQ(*chart->cursorAngle(), angle) << how;
            }
        EXPECT_GE(charts, 4) << "the Mo/E chart, the quantity chart and two flywheel charts";
    }

    std::unique_ptr<MoEChartWindow> moe;
    std::unique_ptr<QuantityChartWindow> quantity;
    std::unique_ptr<FlywheelChartWindow> flywheel;
};

} // namespace

// Each way of moving the cursor, in turn, from where the previous one left it.
TEST_F(CursorDocksTest, EveryWayOfMovingTheCursorMovesEveryView)
{
    ASSERT_GE(store().computedSteps(), 20);
    const struct {
        const char* how;
        std::function<void()> move;
        int step;
    } cases[] = {
        {"three right arrows on the slider",
         [&] {
             auto* slider = control<QSlider>("cursorSlider");
             for (int k = 0; k < 3; ++k)
                 QTest::keyClick(slider, Qt::Key_Right);
         },
         4},
        {"180 typed in the field",
         [&] {
             auto* field = control<QLineEdit>("cursorAngle");
             field->setFocus();
             field->selectAll();
             QTest::keyClicks(field, "180");
             QTest::keyClick(field, Qt::Key_Return);
         },
         13},
        {"a click in the grid's seventh step column",
         [&] {
             auto* grid = control<QTableView>("grid");
             const QModelIndex cell = grid->model()->index(2, 6);
             grid->scrollTo(cell);
             QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                               grid->visualRect(cell).center());
         },
         7},
        {"a click on the Mo/E chart at the angle of step 10",
         [&] {
             MarkedChartView* chart = moe->findChild<MarkedChartView*>();
             const PlotMapping m = chart->mapping();
             const double angle =
                 static_cast<double>(crankAngleDegrees(*store().computedWith(), 10));
             const QPointF at = m.map(QPointF(angle, (m.yMin + m.yMax) / 2));
             QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, at.toPoint());
         },
         10},
        {"a left arrow on the slider",
         [&] { QTest::keyClick(control<QSlider>("cursorSlider"), Qt::Key_Left); }, 9},
    };
    for (const auto& c : cases) {
        c.move();
        EXPECT_EQ(form->findChild<CursorDocks*>("cursorDocks")->cursor().step(), c.step) << c.how;
        expectEveryViewAt(c.step, c.how);
    }
}

// The docks stand in the main window, and the view follows a parameter typed after the run.
TEST_F(CursorDocksTest, ViewFollowsTheParametersTyped)
{
    for (const char* name : {"mechanismDock", "cursorDock"})
        EXPECT_TRUE(control<QDockWidget>(name)->isVisible()) << name;
    auto* view = control<MechanismView>("mechanismView");
    const struct {
        const char* l1;
        long double expected;
    } cases[] = {{"12", 12}, {"7,5", 7.5L}, {"9.25", 9.25L}};
    for (const auto& c : cases) {
        enter("l1", c.l1);
        QCoreApplication::processEvents(); // the view redraws once the change is done
        const MechanismPose pose = view->pose();
        EXPECT_NEAR(std::hypot(pose.A.x, pose.A.y), c.expected, 1e-9L) << c.l1;
        EXPECT_TRUE(pose.forces.empty()) << "the run's forces belong to other parameters";
    }
}
