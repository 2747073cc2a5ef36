// SPDX-License-Identifier: GPL-3.0-or-later
// The window of the sweep over two parameters: its map against the engine run on one thread,
// the figure chosen, the readout under the pointer, a cell kept as a variant, the refusals, and
// its place in the operations menu.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "app/qt/MainWindow.h"
#include "calc/KeyFigures.h"
#include "params/Autofill.h"
#include "params/ParamTable.h"
#include "present/qt/HeatMapView.h"
#include "present/qt/SweepMapWindow.h"
#include "support/FakePlatform.h"

namespace {

ParamSet defaults()
{
    ParamSet p;
    setDefaults(p);
    p.cycles = 2;
    p.N = 49;
    return p;
}

struct Axis {
    const char* key;
    const char* from;
    const char* to;
    int count;
};

void setUp(SweepMapWindow& w, const Axis& first, const Axis& second, bool autofill)
{
    int n = 1;
    for (const Axis& a : {first, second}) {
        const QString at = QString::number(n++);
        auto* key = w.findChild<QComboBox*>("mapKey" + at);
        key->setCurrentIndex(key->findData(QString::fromUtf8(a.key)));
        w.findChild<QLineEdit*>("mapFrom" + at)->setText(a.from);
        w.findChild<QLineEdit*>("mapTo" + at)->setText(a.to);
        w.findChild<QSpinBox*>("mapCount" + at)->setValue(a.count);
    }
    auto* box = w.findChild<QWidget*>("mapAutofill");
    if (static_cast<QAbstractButton*>(box)->isChecked() != autofill)
        static_cast<QAbstractButton*>(box)->click();
}

bool runToEnd(SweepMapWindow& w)
{
    QSignalSpy finished(&w, &SweepMapWindow::sweepFinished);
    QTest::mouseClick(w.findChild<QPushButton*>("mapStart"), Qt::LeftButton);
    EXPECT_TRUE(w.running());
    EXPECT_TRUE(finished.wait(120000));
    return !finished.isEmpty() && finished.front().front().toBool();
}

void chooseFigure(SweepMapWindow& w, const char* key)
{
    auto* box = w.findChild<QComboBox*>("mapFigure");
    box->setCurrentIndex(box->findData(static_cast<int>(findKeyFigure(key) - keyFigures().data())));
}

} // namespace

// Each cell shows the chosen figure of its row as the engine computes it alone; a rod of 20 on
// the guide x = 15 with a crank of 10 fails (no assembly past 120°), leaving its cells grey.
TEST(SweepMapWindow, ShowsTheChosenFigureOfEveryCell)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    const struct {
        Axis first, second;
        bool autofill;
        SweepGrid grid;
        const char* figure;
    } cases[] = {
        {{"l2", "20", "40", 3},
         {"m2", "0", "20", 4},
         true,
         SweepGrid{{{"l2", 20, 40, 3}, {"m2", 0, 20, 4}}, true, ','},
         "flywheel"},
        {{"m3", "1", "2", 2},
         {"l2", "30", "40", 3},
         true,
         SweepGrid{{{"m3", 1, 2, 2}, {"l2", 30, 40, 3}}, true, ','},
         "fa"},
    };
    for (const auto& c : cases) {
        const ParamSet params = defaults();
        SweepMapWindow w(params, fake, numbers);
        w.show();
        setUp(w, c.first, c.second, c.autofill);
        chooseFigure(w, c.figure);
        ASSERT_TRUE(runToEnd(w)) << c.figure;
        std::vector<SweepRow> expected;
        const std::atomic<bool> never{false};
        ASSERT_TRUE(runSweepGrid(params, c.grid, {}, 1, never,
                                 [&](const SweepRow& r) { expected.push_back(r); }));
        ASSERT_EQ(w.rows().size(), expected.size());
        const auto* view = w.findChild<HeatMapView*>("mapView");
        for (const char* figure : {c.figure, "md"}) {
            chooseFigure(w, figure);
            const auto at = static_cast<size_t>(findKeyFigure(figure) - keyFigures().data());
            const HeatMapGrid& grid = view->grid();
            ASSERT_EQ(grid.rows, c.grid.axes[0].count);
            ASSERT_EQ(grid.cols, c.grid.axes[1].count);
            for (size_t i = 0; i < expected.size(); ++i) {
                const SweepPoint& want = expected[i].point;
                std::optional<double> cell;
                if (want.ok && want.figures[at]) cell = static_cast<double>(*want.figures[at]);
                EXPECT_EQ(grid.values[i], cell) << figure << " row " << i;
            }
            EXPECT_GT(view->contourCount(), 0u) << figure;
            // The colours span the smallest and the largest value of the figure among the rows.
            std::optional<long double> lo, hi;
            for (const SweepRow& r : expected) {
                if (!r.point.ok || !r.point.figures[at]) continue;
                const auto v = static_cast<double>(*r.point.figures[at]);
                lo = lo ? std::min<long double>(*lo, v) : v;
                hi = hi ? std::max<long double>(*hi, v) : v;
            }
            ASSERT_TRUE(lo && hi);
            const KeyFigure& f = *findKeyFigure(figure);
            EXPECT_EQ(w.findChild<QLabel*>("mapScale")->text().toStdString(),
                      std::string(f.caption) + ": синий — " + FormatGeneral(*lo, ',') +
                          ", красный — " + FormatGeneral(*hi, ',') + " " + f.unit +
                          "; серый — нет значения");
        }
    }
}

// The readout names the cell under the pointer (the first key upward, the second rightward)
// with both values and the figure in the locale's numbers, or the reason of a failed variant.
TEST(SweepMapWindow, ReadsOutTheCellUnderThePointer)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    const ParamSet params = defaults();
    SweepMapWindow w(params, fake, numbers);
    w.show();
    setUp(w, {"l2", "20", "40", 3}, {"m2", "0", "1,5", 2}, true);
    chooseFigure(w, "flywheel");
    ASSERT_TRUE(runToEnd(w));
    auto* view = w.findChild<HeatMapView*>("mapView");
    const auto* readout = w.findChild<QLabel*>("mapReadout");
    // The first key rises upward, the second rightward.
    EXPECT_LT(view->cellRect(1, 0).center().y(), view->cellRect(0, 0).center().y());
    EXPECT_GT(view->cellRect(0, 1).center().x(), view->cellRect(0, 0).center().x());
    const KeyFigure& J = *findKeyFigure("flywheel");
    const auto at = static_cast<size_t>(&J - keyFigures().data());
    const struct {
        int row, col;
        QString start;
        bool failed;
    } cases[] = {
        {0, 0, "L2 = 20; M2 = 0; J маховика: не собирается при φ = 120,1°", true},
        {1, 1, "L2 = 30; M2 = 1,5; J маховика = ", false},
        {2, 0, "L2 = 40; M2 = 0; J маховика = ", false},
    };
    for (const auto& c : cases) {
        const QRect cell = view->cellRect(c.row, c.col);
        ASSERT_TRUE(view->rect().contains(cell)) << c.row << c.col;
        QTest::mouseMove(view, cell.center());
        QCoreApplication::processEvents();
        EXPECT_EQ(view->cellAt(cell.center()), std::make_optional(std::pair{c.row, c.col}));
        const QString shown = readout->text();
        EXPECT_TRUE(shown.startsWith(c.start)) << shown.toStdString();
        if (c.failed) continue;
        const SweepRow& row = w.rows()[static_cast<size_t>(c.row * 2 + c.col)];
        EXPECT_EQ(shown, c.start +
                             QString::fromStdString(FormatGeneral(*row.point.figures[at], ',')) +
                             " " + J.unit);
    }
}

// A clicked cell kept is its variant: the base with both values set and the points placed, named
// by both values; without a cell chosen the window says so.
TEST(SweepMapWindow, KeepsTheClickedCellAsAVariant)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    const ParamSet params = defaults();
    SweepMapWindow w(params, fake, numbers);
    w.show();
    setUp(w, {"l2", "30", "40", 2}, {"b", "-2", "2", 3}, true);
    ASSERT_TRUE(runToEnd(w));
    std::vector<std::pair<ParamSet, QString>> kept;
    QObject::connect(&w, &SweepMapWindow::keepAsVariant,
                     [&](const ParamSet& p, const QString& name) { kept.emplace_back(p, name); });
    auto* keep = w.findChild<QPushButton*>("mapKeep");
    QTest::mouseClick(keep, Qt::LeftButton);
    EXPECT_TRUE(kept.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages.back(), "Выберите клетку карты");

    // From the keyboard: the first arrow selects the first cell, each next one moves, and the
    // selection stops at the edges.
    auto* view = w.findChild<HeatMapView*>("mapView");
    const auto* readout = w.findChild<QLabel*>("mapReadout");
    const struct {
        Qt::Key key;
        std::pair<int, int> cell;
        const char* readout;
    } keys[] = {
        {Qt::Key_Right, {0, 0}, "L2 = 30; B = -2; "}, {Qt::Key_Up, {1, 0}, "L2 = 40; B = -2; "},
        {Qt::Key_Up, {1, 0}, "L2 = 40; B = -2; "},    {Qt::Key_Right, {1, 1}, "L2 = 40; B = 0; "},
        {Qt::Key_Down, {0, 1}, "L2 = 30; B = 0; "},   {Qt::Key_Left, {0, 0}, "L2 = 30; B = -2; "},
    };
    for (const auto& k : keys) {
        QTest::keyClick(view, k.key);
        EXPECT_EQ(view->selected(), std::make_optional(k.cell)) << k.readout;
        EXPECT_TRUE(readout->text().startsWith(QString::fromUtf8(k.readout)))
            << readout->text().toStdString();
    }
    QTest::mouseClick(view, Qt::LeftButton, {}, view->cellRect(1, 2).center());
    QTest::mouseClick(keep, Qt::LeftButton);
    ASSERT_EQ(kept.size(), 1u);
    const ParamSet& made = kept.front().first;
    EXPECT_EQ(kept.front().second, QStringLiteral("L2 = 40, B = 2"));
    ParamSet want = params;
    want.l2 = 40;
    want.b = 2;
    ASSERT_TRUE(autofillPoints(want));
    EXPECT_EQ(made.l2, want.l2);
    EXPECT_EQ(made.b, want.b);
    EXPECT_EQ(made.ac4, want.ac4);
    EXPECT_EQ(made.bc5, want.bc5);
}

// A cancel stops the workers and leaves no map, not even the one before, which the new sweep was
// to replace; a window closed in the middle of a sweep waits for its workers.
TEST(SweepMapWindow, ACancelLeavesNoMap)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    const ParamSet params = defaults();
    SweepMapWindow w(params, fake, numbers);
    setUp(w, {"l2", "20", "40", 2}, {"m2", "0", "1", 2}, true);
    ASSERT_TRUE(runToEnd(w));
    auto* view = w.findChild<HeatMapView*>("mapView");
    ASSERT_EQ(view->grid().values.size(), 4u);

    setUp(w, {"l2", "20", "40", 100}, {"m2", "0", "1", 100}, true);
    QSignalSpy finished(&w, &SweepMapWindow::sweepFinished);
    w.start();
    ASSERT_TRUE(w.running());
    EXPECT_TRUE(view->grid().values.empty());
    QTest::mouseClick(w.findChild<QPushButton*>("mapCancel"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_FALSE(finished.front().front().toBool());
    EXPECT_FALSE(w.running());
    EXPECT_TRUE(w.rows().empty());
    EXPECT_TRUE(view->grid().values.empty());
    EXPECT_EQ(w.findChild<QLabel*>("mapStatus")->text(), QStringLiteral("Отменено"));

    auto closing = std::make_unique<SweepMapWindow>(params, fake, numbers);
    setUp(*closing, {"l2", "20", "40", 100}, {"m2", "0", "1", 100}, true);
    closing->start();
    ASSERT_TRUE(closing->running());
    closing.reset(); // joins the workers, which stop after the rows in hand
}

TEST(SweepMapWindow, RefusesWhatCannotBeSwept)
{
    const struct {
        Axis first, second;
        std::string message; // the message box's text, or the error's
        bool error;
    } cases[] = {
        {{"l2", "abc", "40", 3}, {"m2", "0", "1", 2}, "Поле «от»: «abc» — не число", false},
        {{"l2", "20", "40", 3}, {"m2", "0", "", 2}, "Поле «до»: «» — не число", false},
        {{"l2", "20", "40", 3}, {"l2", "0", "1", 2}, "'l2' исследуется дважды.", true},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        const NumberFormat numbers{','};
        const ParamSet params = defaults();
        SweepMapWindow w(params, fake, numbers);
        setUp(w, c.first, c.second, false);
        QTest::mouseClick(w.findChild<QPushButton*>("mapStart"), Qt::LeftButton);
        EXPECT_FALSE(w.running());
        const auto& said = c.error ? fake.errors : fake.messages;
        ASSERT_EQ(said.size(), 1u) << c.message;
        EXPECT_EQ(said.front(), c.message);
    }
}

// The operations menu opens one such window, whose cells kept go to the variants.
TEST(SweepMapWindow, OpensFromTheOperationsMenu)
{
    FakePlatform fake;
    ParamSet params = defaults();
    auto store = std::make_unique<ResultStore>();
    MainWindow form(fake, params, *store);
    auto* item = form.findChild<QAction*>("sweepMapAction");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text().remove(QLatin1Char('&')),
              QStringLiteral("Исследование двух параметров…"));
    item->trigger();
    const auto shown = form.findChildren<SweepMapWindow*>();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front()->isVisible());
    item->trigger();
    EXPECT_EQ(form.findChildren<SweepMapWindow*>().size(), 1);
}
