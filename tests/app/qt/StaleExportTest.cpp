// SPDX-License-Identifier: GPL-3.0-or-later
// Every export asks before it writes results of other parameters than those on screen: written
// as they are, recalculated first (then exactly what the export writes after "Расчет"), or not
// at all. "Новый" marks the results stale at once, even when the defaults made them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "calc/Calculation.h"
#include "calc/Quantities.h"
#include "formats/Report.h"
#include "params/ParamSetCompare.h"
#include "params/ParamTable.h"
#include "present/ExportCheck.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

// One export: its menu item and the file it writes ("" for the printer).
struct Export {
    const char* action;
    const char* file;
    bool dialog; // whether it asks for the file's name
};

const Export kExports[] = {
    {"exportCsvAction", "out.csv", true}, {"saveReportAction", "out.txt", true},
    {"pdfReportAction", "out.pdf", true}, {"animationAction", "Kinetic.ini", false},
    {"printAction", "", false},
};

class StaleExport : public ::testing::Test {
protected:
    void open()
    {
        form.reset();
        fake = FakePlatform();
        fake.exeDir = dir.dir();
        std::filesystem::copy_file(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini",
                                   dir.file("scr.ini"),
                                   std::filesystem::copy_options::overwrite_existing);
        params = ParamSet();
        store = std::make_unique<ResultStore>();
        form = std::make_unique<MainWindow>(fake, params, *store);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    void chooseStep(int item) { child<QComboBox>(*form, "stepBox")->setCurrentIndex(item); }
    void enter(const char* key, const char* text)
    {
        QTest::mouseClick(child(*form, (std::string(key) + "Button").c_str()), Qt::LeftButton);
        auto* edit = child<QLineEdit>(*form, "entryEdit");
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The questions asked, but for the point check's offer to autofill before a calculation
    // (the defaults' points disagree with their lengths; answered "no").
    std::vector<std::string> questions() const
    {
        std::vector<std::string> out;
        for (const std::string& q : fake.questions)
            if (!q.starts_with("Координаты точек не согласуются")) out.push_back(q);
        return out;
    }
    bool lineShown() const { return !child<QLabel>(*form, "staleResultsLine")->isHidden(); }

    // Runs `e` once; what it wrote ("" for nothing), the printer's job counting as "printed".
    std::string run(const Export& e)
    {
        const std::string path = e.file[0] ? dir.file(e.file) : std::string();
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove(path, ec);
        if (e.dialog) fake.saveReplies.push_back(path);
        const size_t calls = fake.calls.size();
        trigger(*form, e.action);
        if (path.empty()) {
            for (size_t k = calls; k < fake.calls.size(); ++k)
                if (fake.calls[k].starts_with("print:")) return "printed";
            return {};
        }
        return std::filesystem::exists(path) ? readBytes(path) : std::string();
    }

    ScratchDir dir{"stale-export"};
    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<ResultStore> store;
    std::unique_ptr<MainWindow> form;
};

} // namespace

TEST_F(StaleExport, EveryExportAsksWithTheThreeAnswers)
{
    const struct {
        const char* name;
        bool runWithDefaults; // the run before the change is of the defaults
        std::function<void()> change;
    } changes[] = {
        {"step", false, [this] { chooseStep(3); }},
        {"mass", false, [this] { enter("m1", "7"); }},
        {"new", false, [this] { trigger(*form, "newAction"); }},
        {"new of the same", true, [this] { trigger(*form, "newAction"); }},
    };
    const StaleChoice answers[] = {StaleChoice::SaveAsIs, StaleChoice::Recalculate,
                                   StaleChoice::Cancel};
    for (const Export& e : kExports)
        for (const auto& c : changes)
            for (const StaleChoice answer : answers) {
                SCOPED_TRACE(std::string(e.action) + " after " + c.name + ", answer " +
                             std::to_string(int(answer)));
                open();
                if (!c.runWithDefaults) chooseStep(1); // 5 degrees
                form->calculate();
                trigger(*form, "refreshAction");
                const std::string before = run(e);
                ASSERT_FALSE(before.empty());
                ASSERT_TRUE(questions().empty()); // results of the screen's parameters

                c.change();
                ASSERT_TRUE(lineShown()); // told at once, before any export
                const ParamSet old = *store->computedWith();
                fake.questions.clear();
                fake.staleReplies = {answer};
                const size_t dialogs = fake.dialogRequests.size();
                const std::string written = run(e);
                EXPECT_EQ(questions(), std::vector<std::string>{kStaleExportQuestion});

                switch (answer) {
                case StaleChoice::SaveAsIs:
                    // The old run, as before the change; a PDF is dated, so only its presence.
                    if (std::string_view(e.file).ends_with(".pdf"))
                        EXPECT_FALSE(written.empty());
                    else
                        EXPECT_EQ(written, before);
                    EXPECT_TRUE(sameInputs(*store->computedWith(), old));
                    EXPECT_TRUE(lineShown());
                    break;
                case StaleChoice::Recalculate: {
                    EXPECT_FALSE(written.empty());
                    EXPECT_TRUE(sameInputs(*store->computedWith(), params));
                    EXPECT_FALSE(lineShown());
                    // What the export writes after "Расчет", without asking again.
                    fake.questions.clear();
                    if (!std::string_view(e.file).ends_with(".pdf")) {
                        EXPECT_EQ(run(e), written);
                    }
                    EXPECT_TRUE(questions().empty());
                    break;
                }
                case StaleChoice::Cancel:
                    EXPECT_EQ(written, "");
                    EXPECT_EQ(fake.dialogRequests.size(), dialogs); // no file was asked for
                    EXPECT_TRUE(sameInputs(*store->computedWith(), old));
                    EXPECT_TRUE(lineShown());
                    break;
                }
                EXPECT_TRUE(fake.errors.empty());
            }
}

// The report writes the grid's text: a grid of an older run than the store's is stale too, and
// a recalculation refreshes it before the report is written.
TEST_F(StaleExport, ReportOfAnOlderGridAsksAndRefreshes)
{
    open();
    chooseStep(1);
    form->calculate();
    trigger(*form, "refreshAction"); // the grid shows the 5 degree run
    chooseStep(3);
    form->calculate(); // the store holds the 15 degree run, the grid still the 5 degree one
    ASSERT_FALSE(lineShown());
    fake.staleReplies = {StaleChoice::Recalculate};
    const std::string report = run(kExports[1]);
    EXPECT_EQ(questions(), std::vector<std::string>{kStaleExportQuestion});
    ParamSet read;
    readReportHeader(dir.file("out.txt"), read);
    EXPECT_EQ(read.l1, params.l1);
    // The header's lines, then the cells of every step of the new run, none of them empty.
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'),
              kReportHeaderLines + kReportRows * params.N);
    EXPECT_EQ(report.find("\r\n\r\n"), std::string::npos);
}

// A report saved after the first run but before any refresh holds the run's values: the grid is
// filled first, so that no value line is empty.
TEST_F(StaleExport, ReportBeforeAnyRefreshHoldsTheRun)
{
    open();
    chooseStep(1);
    form->calculate();
    const std::string report = run(kExports[1]);
    EXPECT_TRUE(questions().empty());
    // The header's lines, then the cells of every step, none of them empty.
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'),
              kReportHeaderLines + kReportRows * params.N);
    EXPECT_EQ(report.find("\r\n\r\n"), std::string::npos);
}

// Before any calculation every export, the report included, and the charts say there are no
// results; none asks a question or a file name.
TEST_F(StaleExport, NothingBeforeTheFirstCalculation)
{
    open();
    const char* commands[] = {"exportCsvAction",     "saveReportAction",   "pdfReportAction",
                              "animationAction",     "printAction",        "moeChartAction",
                              "quantityChartAction", "flywheelChartAction"};
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        fake.messages.clear();
        trigger(*form, command);
        EXPECT_EQ(fake.messages, std::vector<std::string>{kNoResultsMessage});
    }
    EXPECT_TRUE(fake.dialogRequests.empty());
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_TRUE(fake.started.empty());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != form.get()) {
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        }
}
