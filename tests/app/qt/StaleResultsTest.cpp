// SPDX-License-Identifier: GPL-3.0-or-later
// Views and exports read the results with the settings they were computed with, whatever has
// changed on screen since; a line says when the two differ, and nothing is exported before the
// first calculation.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "formats/Report.h"
#include "present/qt/ResultsGridModel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

class StaleResults : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake = FakePlatform();
        fake.exeDir = dir.dir();
        std::filesystem::copy_file(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini",
                                   dir.file("scr.ini"),
                                   std::filesystem::copy_options::overwrite_existing);
        staleSignals.clear();
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QObject::connect(form.get(), &MainWindow::resultsStaleChanged,
                         [this](bool stale) { staleSignals.push_back(stale); });
    }
    void TearDown() override { form.reset(); }

    void chooseStep(int item) { child<QComboBox>(*form, "stepBox")->setCurrentIndex(item); }
    void setCycles(const char* count)
    {
        auto* button = child<QPushButton>(*form, "cycleEditButton");
        button->click(); // "Изменить"
        child<QLineEdit>(*form, "cycleCountEdit")->setText(count);
        button->click(); // "Применить"
    }
    bool lineShown() const { return !child<QLabel>(*form, "staleResultsLine")->isHidden(); }
    int gridColumns() const { return child<QTableView>(*form, "grid")->model()->columnCount(); }

    // What each export writes now, in the order: CSV, report, animation file.
    std::vector<std::string> exports(const std::string& tag)
    {
        fake.saveReplies.push_back(dir.file(tag + ".csv"));
        trigger(*form, "exportCsvAction");
        fake.saveReplies.push_back(dir.file(tag + ".txt"));
        trigger(*form, "saveReportAction");
        trigger(*form, "animationAction");
        return {readBytes(dir.file(tag + ".csv")), readBytes(dir.file(tag + ".txt")),
                readBytes(dir.file("Kinetic.ini"))};
    }

    ScratchDir dir{"stale-results"};
    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
    std::vector<bool> staleSignals;
};

// A report header of the defaults with another crank length.
std::string otherReport(const ScratchDir& dir)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 12;
    std::string bytes;
    for (const std::string& line : reportHeader(p, '.'))
        bytes += line + "\r\n";
    writeBytes(dir.file("other.txt"), bytes);
    return dir.file("other.txt");
}

} // namespace

TEST_F(StaleResults, ExportsKeepTheRunsSettingsUntilTheNextCalculation)
{
    const struct {
        const char* name;
        std::function<void()> change;
        int newN; // the steps the next run computes
    } changes[] = {
        {"new", [this] { trigger(*form, "newAction"); }, 25},
        {"step", [this] { chooseStep(3); }, 49},
        {"cycles", [this] { setCycles("1"); }, 25},
        // l1 = 12 with b = 15 and l2 = 25: the rod cannot reach the guide once
        // 15 − 12·cos φ > 25, past 146.4°; of N = 49 the run stops at step 31 (150.1°).
        {"report",
         [this] {
             fake.openReplies.push_back(otherReport(dir));
             trigger(*form, "openReportAction");
         },
         30},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        chooseStep(1); // 5 degrees
        setCycles("2");
        ASSERT_EQ(params.N, 49);
        form->calculate();
        trigger(*form, "refreshAction");
        const auto before = exports("before");
        // The CSV holds the header and one row per step, each line ending in CR LF.
        EXPECT_EQ(std::count(before[0].begin(), before[0].end(), '\n'), 50);
        EXPECT_FALSE(lineShown());

        const QRect client = child(*form, "client")->geometry();
        c.change();
        EXPECT_TRUE(lineShown());
        // Whole on its one line beside the load's, inside the window, and nothing else moved.
        QApplication::processEvents();
        auto* line = child<QLabel>(*form, "staleResultsLine");
        auto* load = child<QLabel>(*form, "loadStatus");
        EXPECT_GE(line->width(), line->sizeHint().width());
        EXPECT_GE(load->width(), load->sizeHint().width());
        const QRect lineRect(line->mapTo(form.get(), QPoint()), line->size());
        const QRect loadRect(load->mapTo(form.get(), QPoint()), load->size());
        EXPECT_TRUE(form->rect().contains(lineRect));
        EXPECT_TRUE(form->rect().contains(loadRect));
        EXPECT_FALSE(lineRect.intersects(loadRect));
        EXPECT_EQ(child(*form, "client")->geometry(), client);
        EXPECT_EQ(staleSignals, std::vector<bool>{true});
        trigger(*form, "refreshAction");
        EXPECT_EQ(gridColumns(), 49);
        EXPECT_EQ(exports("after"), before);
        EXPECT_TRUE(fake.errors.empty());

        form->calculate();
        EXPECT_FALSE(lineShown());
        EXPECT_EQ(staleSignals, (std::vector<bool>{true, false}));
        const auto next = exports("next");
        EXPECT_EQ(std::count(next[0].begin(), next[0].end(), '\n'), c.newN + 1);
    }
}

TEST_F(StaleResults, NothingIsExportedBeforeTheFirstCalculation)
{
    trigger(*form, "exportCsvAction");
    trigger(*form, "refreshAction");
    trigger(*form, "animationAction");
    // The report too: a header followed by empty value lines would pass for a failed run.
    fake.saveReplies.push_back(dir.file("kept.txt"));
    trigger(*form, "saveReportAction");
    EXPECT_EQ(fake.messages, std::vector<std::string>(4, kNoResultsMessage));
    EXPECT_TRUE(fake.dialogRequests.empty());
    EXPECT_TRUE(fake.started.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("Kinetic.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("kept.txt")));
    EXPECT_TRUE(staleSignals.empty());
}
