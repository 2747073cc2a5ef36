// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep window: its table and chart against the sweep engine run on one thread, failed rows
// with their reasons in the locale's numbers, a cancel that leaves no sweep shown, a row kept
// as a variant, and the table's export.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <sstream>

#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "calc/KeyFigures.h"
#include "params/Autofill.h"
#include "present/qt/SweepWindow.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

ParamSet defaults()
{
    ParamSet p;
    setDefaults(p);
    return p;
}

void setUp(SweepWindow& w, const char* key, const char* from, const char* to, int count,
           bool autofill)
{
    auto* keyBox = w.findChild<QComboBox*>("sweepKey");
    keyBox->setCurrentIndex(keyBox->findData(QString::fromUtf8(key)));
    w.findChild<QLineEdit*>("sweepFrom")->setText(from);
    w.findChild<QLineEdit*>("sweepTo")->setText(to);
    w.findChild<QSpinBox*>("sweepCount")->setValue(count);
    w.findChild<QCheckBox*>("sweepAutofill")->setChecked(autofill);
}

// Starts the sweep and waits for its end; whether it was complete.
bool runToEnd(SweepWindow& w)
{
    QSignalSpy finished(&w, &SweepWindow::sweepFinished);
    w.start();
    EXPECT_TRUE(w.running());
    EXPECT_TRUE(finished.wait(120000));
    return !finished.isEmpty() && finished.front().front().toBool();
}

} // namespace

// The table shows each variant as the engine computes it alone, the default figures in the
// table's order (M_d, J маховика, |F_A| макс.), one chart line per figure through the variants
// that ran. The rod of 20 on the guide x = 15 with a crank of 10 stops reaching it past
// acos(-5 / 10) = 120°, the first step beyond being 120,1°.
TEST(SweepWindow, ShowsTheVariantsAsTheEngineComputesThem)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    const struct {
        const char* key;
        const char* from;
        const char* to;
        int count;
        bool autofill;
        SweepPlan plan;
        QString firstState;
    } cases[] = {
        {"l2", "20", "35", 4, true, {"l2", 20, 35, 4, true, ','}, "не собирается при φ = 120,1°"},
        {"m2", "0", "1,5", 3, false, {"m2", 0, 1.5L, 3, false, ','}, "готово"},
    };
    for (const auto& c : cases) {
        ParamSet params = defaults();
        if (!c.autofill) {
            ASSERT_TRUE(autofillPoints(params));
        }
        SweepWindow w(params, fake, numbers);
        setUp(w, c.key, c.from, c.to, c.count, c.autofill);
        ASSERT_TRUE(runToEnd(w)) << c.key;
        const std::atomic<bool> never{false};
        const auto expected = runSweep(params, c.plan, 1, never);
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(w.points().size(), expected->size());
        const auto* table = w.findChild<QTableWidget*>("sweepTable");
        ASSERT_EQ(table->rowCount(), c.count);
        ASSERT_EQ(table->columnCount(), 5);
        EXPECT_EQ(table->horizontalHeaderItem(0)->text(), SweepWindow::keyLabel(c.key));
        EXPECT_EQ(table->item(0, 1)->text(), c.firstState);
        const char* figureKeys[] = {"md", "flywheel", "fa"};
        int ran = 0;
        for (int r = 0; r < c.count; ++r) {
            const SweepPoint& point = (*expected)[static_cast<size_t>(r)];
            ran += point.ok ? 1 : 0;
            EXPECT_EQ(table->item(r, 0)->text().toStdString(), FormatGeneral(point.value, ','));
            for (int f = 0; f < 3; ++f) {
                const KeyFigure* figure = findKeyFigure(figureKeys[f]);
                EXPECT_EQ(table->horizontalHeaderItem(f + 2)->text().toStdString(),
                          std::string(figure->caption) + ", " + figure->unit);
                const auto at = static_cast<size_t>(figure - keyFigures().data());
                const std::string want = point.ok && point.figures[at]
                                             ? FormatGeneral(*point.figures[at], ',')
                                             : std::string();
                EXPECT_EQ(table->item(r, f + 2)->text().toStdString(), want) << r << f;
            }
        }
        const auto series = w.findChild<QChartView*>("sweepChart")->chart()->series();
        ASSERT_EQ(series.size(), 3);
        for (QAbstractSeries* s : series)
            EXPECT_EQ(static_cast<QLineSeries*>(s)->count(), ran) << s->name().toStdString();
    }
}

// A cancelled sweep leaves no table, points or chart, not even those of the sweep before it,
// which the new one was asked to replace; a window closed in the middle of a sweep stops its
// workers.
TEST(SweepWindow, CancelLeavesNoSweepShown)
{
    FakePlatform fake;
    const NumberFormat numbers{'.'};
    ParamSet params = defaults();
    params.cycles = 150; // 3601 steps at 1°: a long sweep of long runs
    params.N = 3601;
    params.step = 1 * kRadPerDeg;
    for (const bool earlier : {false, true}) {
        SweepWindow w(params, fake, numbers);
        setUp(w, "l2", "25", "30", 3, true);
        if (earlier) {
            ASSERT_TRUE(runToEnd(w));
        }
        const auto* table = w.findChild<QTableWidget*>("sweepTable");
        EXPECT_EQ(table->rowCount(), earlier ? 3 : 0);
        setUp(w, "l2", "25", "60", 1000, true);
        QSignalSpy finished(&w, &SweepWindow::sweepFinished);
        w.start();
        w.cancel();
        ASSERT_TRUE(finished.wait(120000));
        EXPECT_FALSE(finished.front().front().toBool());
        EXPECT_FALSE(w.running());
        EXPECT_EQ(table->rowCount(), 0);
        EXPECT_TRUE(w.points().empty());
        EXPECT_TRUE(w.findChild<QChartView*>("sweepChart")->chart()->series().isEmpty());
    }
    {
        SweepWindow closing(params, fake, numbers);
        setUp(closing, "l2", "25", "60", 1000, true);
        closing.start();
    } // the destructor cancels and joins; a worker left running would outlive the window
}

// A kept row carries its variant's parameters, the points placed for its value, and the name
// "<key> = <value>"; the export writes the table as the results' export writes numbers.
TEST(SweepWindow, KeepsARowAsAVariantAndExportsTheTable)
{
    FakePlatform fake;
    const NumberFormat numbers{','};
    ParamSet params = defaults();
    SweepWindow w(params, fake, numbers);
    setUp(w, "l2", "20", "35", 4, true);
    ASSERT_TRUE(runToEnd(w));

    std::vector<std::pair<ParamSet, QString>> kept;
    QObject::connect(&w, &SweepWindow::keepAsVariant,
                     [&](const ParamSet& p, const QString& name) { kept.emplace_back(p, name); });
    auto* table = w.findChild<QTableWidget*>("sweepTable");
    table->selectRow(2);
    w.keepSelected();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].second, QStringLiteral("L2 = 30"));
    ParamSet placed = defaults();
    placed.l2 = 30;
    ASSERT_TRUE(autofillPoints(placed));
    EXPECT_EQ(kept[0].first.l2, 30);
    EXPECT_EQ(kept[0].first.ac5, placed.ac5);
    EXPECT_EQ(kept[0].first.bc5, placed.bc5);
    EXPECT_EQ(kept[0].first.ac2, placed.ac2);

    ScratchDir dir;
    const std::string path = dir.file("sweep.csv");
    fake.saveReplies.push_back(path);
    w.exportCsv();
    ASSERT_TRUE(fake.errors.empty()) << fake.errors.front();
    std::istringstream file(readBytes(path));
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "\xEF\xBB\xBFL2;Состояние;M_d, Н·м;J маховика, кг·м²;|F_A| макс., Н\r");
    std::getline(file, line);
    EXPECT_EQ(line, "20;не собирается при φ = 120,1°;;;\r");
    const char* figureKeys[] = {"md", "flywheel", "fa"};
    for (size_t r = 1; r < 4; ++r) {
        ASSERT_TRUE(std::getline(file, line));
        std::istringstream fields(line.substr(0, line.size() - 1));
        std::string field;
        std::getline(fields, field, ';');
        EXPECT_EQ(ParseReal(field, ','), w.points()[r].value);
        std::getline(fields, field, ';');
        EXPECT_EQ(field, "готово");
        for (const char* key : figureKeys) {
            std::getline(fields, field, ';');
            const auto at = static_cast<size_t>(findKeyFigure(key) - keyFigures().data());
            EXPECT_EQ(ParseReal(field, ','), *w.points()[r].figures[at]) << key << " row " << r;
        }
    }
    EXPECT_FALSE(std::getline(file, line));
}

// The operations menu opens one window, which sweeps from the parameters on screen.
TEST(SweepWindow, OpensFromTheOperationsMenu)
{
    FakePlatform fake;
    ParamSet params = defaults();
    auto store = std::make_unique<ResultStore>();
    MainWindow form(fake, params, *store);
    auto* item = form.findChild<QAction*>("sweepAction");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text().remove(QLatin1Char('&')), QStringLiteral("Исследование параметра…"));
    item->trigger();
    SweepWindow* shown = form.sweepWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    item->trigger();
    EXPECT_EQ(form.sweepWindow(), shown);
    // A key chosen starts at the value in force and runs to its double.
    params.l2 = 37.5;
    auto* keyBox = shown->findChild<QComboBox*>("sweepKey");
    keyBox->setCurrentIndex(keyBox->findData(QStringLiteral("l2")));
    EXPECT_EQ(keyBox->currentText(), QStringLiteral("L2"));
    EXPECT_EQ(shown->findChild<QLineEdit*>("sweepFrom")->text(), QStringLiteral("37.5"));
    EXPECT_EQ(shown->findChild<QLineEdit*>("sweepTo")->text(), QStringLiteral("75"));
}
