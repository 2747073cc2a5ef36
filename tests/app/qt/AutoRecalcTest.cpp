// SPDX-License-Identifier: GPL-3.0-or-later
// "Пересчитывать автоматически": changes recalculate in the background, the views end on the
// last change, a fault goes to the memo instead of a box, and the choice is remembered.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "present/qt/ListingView.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/ResultsGridModel.h"
#include "present/qt/ResultsPanel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

class AutoRecalcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.exeDir = dir.dir();
        std::filesystem::copy_file(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini",
                                   dir.file("scr.ini"));
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        chart = std::make_unique<MoEChartWindow>(params, *store, fake);
        form->setSideWindows({chart.get(), nullptr, nullptr, nullptr, nullptr});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        form.reset();
        chart.reset();
    }
    // Types `value` into the entry of parameter `key`, as a user would.
    void enter(const char* key, const char* value)
    {
        form->parameterPanel().openEntry(paramRowForKey(key));
        child<QLineEdit>(*form, "entryEdit")->setText(QString::fromLatin1(value));
        form->parameterPanel().confirmEntry();
    }
    void setCycles(const char* count)
    {
        auto* button = child<QPushButton>(*form, "cycleEditButton");
        button->click(); // "Изменить"
        child<QLineEdit>(*form, "cycleCountEdit")->setText(QString::fromLatin1(count));
        button->click(); // "Применить"
    }
    QString memo() const { return child<ListingView>(*form, "listing")->toPlainText(); }

    ScratchDir dir;
    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MoEChartWindow> chart;
};

} // namespace

// A burst of changes at a large run: the store, the chart and the grid end on the last one, with
// the values a calculation of it gives; with the toggle off nothing is calculated by itself. A
// run whose stage faults tells it in the memo, without a box.
TEST_F(AutoRecalcTest, ABurstOfChangesEndsOnTheLastOne)
{
    struct Case {
        bool on;
        // Values typed one after another, no event processed between: (key, value).
        std::vector<std::pair<const char*, const char*>> typed;
        const char* memoFault; // the fault the memo must tell, or nullptr
    };
    const Case cases[] = {
        {true, {{"l2", "26"}, {"l2", "27.5"}, {"l2", "29"}}, nullptr},
        {false, {{"l2", "31"}, {"l2", "32"}}, nullptr},
        {true, {{"l2", "30"}, {"b", "100"}}, kKinematicFault}, // the guide is out of reach
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.on ? "on" : "off") << ", last "
                                        << c.typed.back().first << " " << c.typed.back().second);
        form->setAutoRecalcEnabled(false);
        setCycles("1000"); // 24001 steps: each run lasts long enough to be overtaken
        trigger(*form, "calculateAction");
        trigger(*form, "refreshAction"); // the grid and the listing now follow the results
        chart->show();
        fake.messages.clear();
        const ParamSet before = *store->computedWith();
        int replaced = 0;
        const auto counter =
            QObject::connect(form.get(), &MainWindow::resultsReplaced, [&] { ++replaced; });
        child<QAction>(*form, "autoRecalcAction")->setChecked(c.on);
        for (const auto& [key, value] : c.typed)
            enter(key, value);
        QTRY_VERIFY_WITH_TIMEOUT(!form->recalculating(), 60000);
        QApplication::processEvents();
        QObject::disconnect(counter);

        EXPECT_TRUE(fake.messages.empty()) << fake.messages.front();
        const ParamSet& run = *store->computedWith();
        if (!c.on) {
            EXPECT_EQ(replaced, 0);
            EXPECT_EQ(run.l2, before.l2);
            EXPECT_TRUE(form->resultsStale());
            continue;
        }
        EXPECT_EQ(replaced, 1);               // older runs never reached the views
        EXPECT_TRUE(sameInputs(run, params)); // the last change, not an older one
        EXPECT_FALSE(form->resultsStale());
        if (c.memoFault) {
            EXPECT_TRUE(memo().contains(QString::fromUtf8(c.memoFault))) << memo().toStdString();
            continue; // the rows past the fault keep what the store held: no fresh run to match
        }
        // The same parameters calculated afresh: the store holds their run, whole.
        ResultStore expected;
        runCalculation(params, expected);
        const auto* mo = chart->findChild<QLineSeries*>("moSeries");
        ASSERT_EQ(mo->count(), run.N);
        for (int i : {1, run.N / 2, run.N}) {
            ASSERT_EQ((*store)(Quantity::mo, i), expected(Quantity::mo, i)) << i;
            EXPECT_EQ(mo->at(i - 1).y(), double((*store)(Quantity::mo, i))) << i;
        }
        const auto* grid =
            qobject_cast<ResultsGridModel*>(child<QTableView>(*form, "grid")->model());
        EXPECT_EQ(grid->columnCount(), run.N);
        EXPECT_EQ(grid->cellText(run.N, rowOf(Quantity::xb)),
                  QString::fromStdString(FormatFixed(expected(Quantity::xb, run.N), 4, 2, '.')));
        // A new L2 leaves the points of the old one: the memo says so instead of a box.
        EXPECT_TRUE(memo().startsWith(QStringLiteral("Координаты точек не согласуются")))
            << memo().toStdString();
    }
}

// The choice is kept between sessions: a new window starts with it, and each change is kept.
TEST_F(AutoRecalcTest, TheChoiceIsRemembered)
{
    for (const bool kept : {true, false}) {
        fake.flags["autoRecalc"] = kept;
        auto again = std::make_unique<MainWindow>(fake, params, *store);
        auto* action = child<QAction>(*again, "autoRecalcAction");
        EXPECT_EQ(action->isChecked(), kept);
        EXPECT_EQ(again->autoRecalcEnabled(), kept);
        action->trigger();
        EXPECT_EQ(fake.flags.at("autoRecalc"), !kept);
        EXPECT_EQ(again->autoRecalcEnabled(), !kept);
        again->setAutoRecalcEnabled(false);
    }
}
