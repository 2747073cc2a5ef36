// SPDX-License-Identifier: GPL-3.0-or-later
// The summary window: what it shows before and after a calculation, figures as a scan of the
// store gives them, the flywheel's refusal in words, and the copied text.
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "params/Autofill.h"
#include "present/SummaryText.h"
#include "present/qt/SummaryWindow.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

namespace {

// The text of the row whose first cell is `label`, tab-separated, or "" when there is none.
QString rowText(SummaryWindow& w, const QString& label)
{
    auto* table = w.findChild<QTableWidget*>("summaryTable");
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0) && table->item(r, 0)->text() == label) {
            table->clearSelection();
            table->selectRow(r);
            return w.selectedText();
        }
    return {};
}

} // namespace

TEST(SummaryWindow, FollowsTheCalculationsOfTheMainWindow)
{
    FakePlatform fake;
    fake.separator = ',';
    ParamSet params;
    auto store = std::make_unique<ResultStore>();
    MainWindow form(fake, params, *store);
    SummaryWindow summary(*store, form.numbers());
    form.setSideWindows({nullptr, nullptr, nullptr, &summary});

    form.show();
    form.showSummary(); // the summary's tab, in front of the grid
    EXPECT_TRUE(summary.isVisible());
    EXPECT_FALSE(form.findChild<QWidget*>("grid")->isVisible());
    EXPECT_EQ(summary.selectedText(),
              QStringLiteral("Нет результатов: сначала выполните «Расчет»"));

    // One cycle at 15° covers the period exactly (25 steps); two cycles at 5° fall short of the
    // 73 steps a period needs, but the figures come from a period run at 1° either way.
    const struct {
        long double step;
        int32_t cycles;
        bool flywheel;
    } cases[] = {{15, 1, true}, {5, 2, true}};
    ASSERT_TRUE(autofillPoints(params)); // a mechanism that moves
    for (const auto& c : cases) {
        params.step = rad(c.step);
        params.cycles = c.cycles;
        params.N = 24 * c.cycles + 1;
        form.calculate(); // the shown window follows without being asked
        const QString refusal = rowText(summary, "для маховика нужен полный период: увеличьте "
                                                 "число циклов до 3");
        EXPECT_EQ(refusal.isEmpty(), c.flywheel);

        // The largest |ybt| by a scan of the period run's store, in the window's format: no step
        // of the run on screen to name, only the angle.
        const FigureRun figures(*store, params, params.N, 360);
        ASSERT_EQ(figures.steps(), 361);
        const ResultStore& F = figures.store();
        int best = 1;
        for (int i = 2; i <= figures.steps(); ++i)
            if (std::fabs(F(Quantity::ybt, i)) > std::fabs(F(Quantity::ybt, best))) best = i;
        const std::string expected = "Наибольшая скорость ползуна |ybt|, м/с\t" +
                                     summaryFigure(std::fabs(F(Quantity::ybt, best)), ',') +
                                     "\t\t" +
                                     summaryFigure(crankAngleDegrees(figures.params(), best), ',');
        EXPECT_EQ(rowText(summary, "Наибольшая скорость ползуна |ybt|, м/с").toStdString(),
                  expected);

        // The line naming the figures' step is a sentence: it spans the row, whole in its
        // tooltip; a figure's line keeps its four cells.
        auto* table = summary.findChild<QTableWidget*>("summaryTable");
        const QString named =
            QStringLiteral("Пиковые значения и маховик — по 360° от начального угла с шагом 1°");
        int noteRow = -1, figureRow = -1;
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 0)->text() == named) noteRow = r;
            if (table->item(r, 0)->text() == QStringLiteral("Наибольшая сила в шарнире A |F_A|, Н"))
                figureRow = r;
        }
        ASSERT_GE(noteRow, 0);
        ASSERT_GE(figureRow, 0);
        EXPECT_EQ(table->columnSpan(noteRow, 0), 4);
        EXPECT_EQ(table->item(noteRow, 0)->toolTip(), named);
        EXPECT_EQ(table->columnSpan(figureRow, 0), 1);
    }

    // δ typed in the window: a valid one is stored (and undoable) and sizes the flywheel, a bad
    // one is refused beside the field.
    auto* delta = summary.findChild<QLineEdit*>("summaryDelta");
    const struct {
        const char* typed;
        long double stored;
        bool accepted;
    } typings[] = {
        {"0,1", 0.1L, true}, {"2", 0.1L, false}, {"x", 0.1L, false}, {"0.02", 0.02L, true}};
    for (const auto& t : typings) {
        delta->setText(QString::fromUtf8(t.typed));
        QTest::keyClick(delta, Qt::Key_Return);
        EXPECT_EQ(params.delta, t.stored) << t.typed;
        EXPECT_EQ(summary.findChild<QLabel*>("summaryDeltaFault")->text().isEmpty(), t.accepted)
            << t.typed;
    }
    params.step = rad(15.0L); // a run that covers the period, so that the flywheel shows δ
    params.cycles = 1;
    params.N = 25;
    form.calculate();
    EXPECT_EQ(rowText(summary, "Коэффициент неравномерности δ").toStdString(),
              "Коэффициент неравномерности δ\t0,02");
}
