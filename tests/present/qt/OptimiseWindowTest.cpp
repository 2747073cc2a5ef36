// SPDX-License-Identifier: GPL-3.0-or-later
// The optimisation window: a search set up in its tables finds the optimum solved by hand, the
// figures before and after, the result kept as a variant, a cancel that shows no result, and
// the cells it refuses.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "params/Autofill.h"
#include "params/ParamTable.h"
#include "present/SummaryText.h"
#include "present/qt/OptimiseWindow.h"
#include "support/FakePlatform.h"

namespace {

// The longest stroke of l1 = 0.1, l2 = 0.4 by b with the pressure angle at most 40°:
// b = l2·sin 40° − l1 (derived in tests/calc/OptimiseTest.cpp).
ParamSet strokeBase()
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 0.1, p.l2 = 0.4, p.b = 0.05, p.fi0 = 0;
    autofillPoints(p);
    return p;
}

int rowOf(const QTableWidget& t, const QString& name)
{
    for (int r = 0; r < t.rowCount(); ++r)
        if (t.item(r, 0)->text() == name) return r;
    ADD_FAILURE() << name.toStdString();
    return 0;
}

int figureRow(const char* key)
{
    return static_cast<int>(findOptimiseFigure(key) - optimiseFigures().data());
}

// Sets the window up for the stroke problem: b varied over [from, to], the pressure bound
// typed as `bound`, `evals` runs.
void setUp(OptimiseWindow& w, const char* from, const char* to, const char* bound, int evals)
{
    auto* figure = w.findChild<QComboBox*>("optimiseFigure");
    figure->setCurrentIndex(figure->findData(QStringLiteral("stroke")));
    w.findChild<QSpinBox*>("optimiseMaxEvals")->setValue(evals);
    auto* vars = w.findChild<QTableWidget*>("optimiseVariables");
    const int b = rowOf(*vars, QStringLiteral("B"));
    vars->item(b, 0)->setCheckState(Qt::Checked);
    vars->item(b, 1)->setText(from);
    vars->item(b, 2)->setText(to);
    w.findChild<QTableWidget*>("optimiseConstraints")
        ->item(figureRow("pressure"), 1)
        ->setText(bound);
}

bool runToEnd(OptimiseWindow& w)
{
    QSignalSpy finished(&w, &OptimiseWindow::searchFinished);
    QTest::mouseClick(w.findChild<QPushButton*>("optimiseStart"), Qt::LeftButton);
    EXPECT_TRUE(w.running());
    EXPECT_TRUE(finished.wait(120000));
    return !finished.isEmpty() && finished.front().front().toBool();
}

} // namespace

TEST(OptimiseWindow, FindsTheOptimumAndComparesBeforeAndAfter)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    const ParamSet params = strokeBase();
    OptimiseWindow w(params, fake, numbers);
    setUp(w, "0", "0,25", "40", 500);
    ASSERT_TRUE(runToEnd(w)) << w.findChild<QLabel*>("optimiseStatus")->text().toStdString();
    ASSERT_TRUE(w.result() && w.result()->best);
    const long double b = 0.4L * std::sin(40 * kPi / 180) - 0.1L;
    EXPECT_NEAR(w.result()->best->b, b, 1e-6L * b);
    // One row per variable, then one per figure: before and after, in the window's numbers.
    const auto* table = w.findChild<QTableWidget*>("optimiseComparison");
    ASSERT_EQ(table->rowCount(), 1 + static_cast<int>(optimiseFigures().size()));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("0,05"));
    // The stroke √((l1+l2)² − b²) − √((l2−l1)² − b²) before (b = 0.05) and after, as the
    // summary writes figures.
    const int stroke = 1 + figureRow("stroke");
    const auto strokeAt = [](long double at) {
        return QString::fromStdString(
            summaryFigure(std::sqrt(0.25L - at * at) - std::sqrt(0.09L - at * at), ','));
    };
    EXPECT_EQ(table->item(stroke, 1)->text(), strokeAt(0.05L));
    EXPECT_EQ(table->item(stroke, 2)->text(), strokeAt(b));
    EXPECT_EQ(table->item(stroke, 0)->text(), QStringLiteral("ход ползуна"));

    std::vector<std::pair<ParamSet, QString>> kept;
    QObject::connect(&w, &OptimiseWindow::keepAsVariant,
                     [&](const ParamSet& p, const QString& name) { kept.emplace_back(p, name); });
    QTest::mouseClick(w.findChild<QPushButton*>("optimiseKeep"), Qt::LeftButton);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].first.b, w.result()->best->b);
    EXPECT_EQ(kept[0].second, QStringLiteral("Оптимум: ход ползуна"));
}

TEST(OptimiseWindow, CancelShowsNoResult)
{
    FakePlatform fake;
    const NumberFormat numbers{'.'};
    const ParamSet params = strokeBase();
    OptimiseWindow w(params, fake, numbers);
    setUp(w, "0", "0.25", "40", 100000);
    QSignalSpy finished(&w, &OptimiseWindow::searchFinished);
    QTest::mouseClick(w.findChild<QPushButton*>("optimiseStart"), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QPushButton*>("optimiseCancel"), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(120000));
    EXPECT_FALSE(finished.front().front().toBool());
    EXPECT_FALSE(w.running());
    EXPECT_FALSE(w.result());
    EXPECT_EQ(w.findChild<QLabel*>("optimiseStatus")->text(), QStringLiteral("Отменено"));
    EXPECT_FALSE(w.findChild<QPushButton*>("optimiseKeep")->isEnabled());
    {
        OptimiseWindow closing(params, fake, numbers);
        setUp(closing, "0", "0.25", "40", 100000);
        closing.start();
        EXPECT_TRUE(closing.running());
    } // the destructor cancels and joins; a search left running would outlive the window
}

TEST(OptimiseWindow, RefusesWhatCannotBeSearched)
{
    const struct {
        const char *from, *to, *bound;
        const char* says;
    } cases[] = {
        {"x", "0.25", "40", "B, «от»: «x» — не число"},
        {"0", "0.25", "4o", "«не больше»: «4o» — не число"},
        {"0.3", "0.25", "40", "нижняя граница должна быть меньше верхней"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        FakePlatform fake;
        const NumberFormat numbers{'.'};
        const ParamSet params = strokeBase();
        OptimiseWindow w(params, fake, numbers);
        setUp(w, c.from, c.to, c.bound, 100);
        QTest::mouseClick(w.findChild<QPushButton*>("optimiseStart"), Qt::LeftButton);
        EXPECT_FALSE(w.running());
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_NE(fake.messages.front().find(c.says), std::string::npos) << fake.messages.front();
    }
}
