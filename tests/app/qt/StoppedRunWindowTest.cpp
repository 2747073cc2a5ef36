// SPDX-License-Identifier: GPL-3.0-or-later
// A run that stops part-way, in the main window: the memo and the menu bar's line say where it
// stopped and why, the grid and every export hold its computed steps only; a whole run after it
// clears the line.
#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "present/KineticReader.h"
#include "present/qt/ListingView.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

class StoppedRunWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.exeDir = dir.dir();
        std::filesystem::copy_file(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini",
                                   dir.file("scr.ini"),
                                   std::filesystem::copy_options::overwrite_existing);
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    std::string memo() const
    {
        return child<ListingView>(*form, "listing")->toPlainText().toStdString();
    }
    const QLabel* stoppedLine() const { return child<QLabel>(*form, "stoppedRunLine"); }
    int gridColumns() const { return child<QTableView>(*form, "grid")->model()->columnCount(); }
    size_t csvLines(const std::string& tag)
    {
        fake.saveReplies.push_back(dir.file(tag + ".csv"));
        trigger(*form, "exportCsvAction");
        const std::string csv = readBytes(dir.file(tag + ".csv"));
        return size_t(std::count(csv.begin(), csv.end(), '\n'));
    }

    ScratchDir dir{"stopped-run"};
    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
};

} // namespace

TEST_F(StoppedRunWindow, SaysWhereItStoppedAndShowsOnlyTheComputedSteps)
{
    const std::string note = "Расчёт остановлен при φ = 180" +
                             std::string(1, form->numbers().decimal) +
                             "00° (шаг 13 из 25), результаты только для шагов 1–12: "
                             "Критическая ошибка на этапе кинематического анализа.";
    const struct {
        const char* name;
        long double fi0;
        int steps; // the steps every view and export holds
        bool stopped;
    } cases[] = {
        // The default lengths put the rod on the guide at 180°, which fi0 = 0 reaches at step 13.
        {"stopped at step 13", 0, 12, true},
        {"whole run after it", 0.1L, 25, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        params.fi0 = c.fi0;
        form->calculate();
        EXPECT_EQ(memo(), c.stopped ? std::string(kCalcMemo) + "\n" + note : kCalcMemo);
        EXPECT_EQ(!stoppedLine()->isHidden(), c.stopped);
        if (c.stopped) {
            EXPECT_TRUE(note.starts_with(stoppedLine()->text().toStdString()));
            EXPECT_EQ(stoppedLine()->toolTip().toStdString(), note);
            // Whole, and inside the window: the status bar gives the line its room.
            QApplication::processEvents();
            EXPECT_GE(stoppedLine()->width(), stoppedLine()->sizeHint().width());
            EXPECT_LE(stoppedLine()->mapTo(form.get(), QPoint(stoppedLine()->width(), 0)).x(),
                      form->width());
        }
        trigger(*form, "refreshAction");
        EXPECT_EQ(gridColumns(), c.steps); // a column per step
        // A header and a line per computed step; a stopped run's export says so in the memo.
        EXPECT_EQ(csvLines(c.name), size_t(c.steps + 1));
        EXPECT_EQ(memo() == note, c.stopped);
        trigger(*form, "animationAction");
        EXPECT_EQ(readKinetic(dir.file("Kinetic.ini")).N, c.steps);
    }
    EXPECT_TRUE(fake.errors.empty());
}
