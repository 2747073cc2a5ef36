// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

#include "app/qt/MainWindow.h"
#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "formats/Report.h"
#include "formats/ResultsTestFiles.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/qt/ProgressIndicator.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/ListingView.h"
#include "present/qt/ResultsGridModel.h"
#include "present/qt/ResultsPanel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

namespace {

// Remembers what the grid showed when the error report came up.
class RecordingPlatform : public FakePlatform {
public:
    std::function<void()> onError;
    void showError(const std::string& message) override
    {
        if (onError) onError();
        FakePlatform::showError(message);
    }
};

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class ResultsPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.exeDir = dir.dir();
        form = std::make_unique<MainWindow>(fake, params, store());
        store().recordRun(params);
        for (int i = 1; i <= 60; ++i)
            for (int k = 0; k < kGridValueRows; ++k)
                store()(k, i) = (k % 3 ? 1.0L : -1.0L) * (k + i / 8.0L);
    }
    void TearDown() override { form.reset(); }
    // The store holds a run of the window's parameters with n steps.
    void setRunSteps(int32_t n)
    {
        params.N = n;
        store().recordRun(params);
    }
    // The system's locale changes to one with `separator`, and the window is told.
    void useSeparator(char separator)
    {
        fake.separator = separator;
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(form.get(), &change);
    }
    static ResultStore& store()
    {
        static ResultStore s;
        return s;
    }
    void installCaptions()
    {
        writeBytes(dir.file("scr.ini"),
                   readBytes(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini"));
    }
    QString memo() const { return listing()->toPlainText(); }
    QString cell(int c, int r) const { return model()->cellText(c, r); }
    ListingView* listing() const { return child<ListingView>(*form, "listing"); }
    QTableView* grid() const { return child<QTableView>(*form, "grid"); }
    // The grid's model, whose cells are what the grid shows.
    ResultsGridModel* model() const { return qobject_cast<ResultsGridModel*>(grid()->model()); }
    QProgressBar* bar() const { return child<QProgressBar>(*form, "progressBar"); }
    QString labelText(const char* name) const { return child<QLineEdit>(*form, name)->text(); }

    ScratchDir dir;
    RecordingPlatform fake;
    ParamSet params;
    std::unique_ptr<MainWindow> form;
};

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TEST_F(ResultsPanelTest, GridSitsInTheMemoPanelWithFixedSections)
{
    QTableView* view = grid();
    // Under the listing, in the results area's splitter, which lets the user share the room: the
    // first of the tabs there.
    EXPECT_TRUE(child(*form, "resultsArea")->isAncestorOf(view));
    auto* split = child<QSplitter>(*form, "resultsSplitter");
    auto* tabs = child<QTabWidget>(*form, "resultsTabs");
    EXPECT_EQ(split->orientation(), Qt::Vertical);
    EXPECT_EQ(split->indexOf(child(*form, "listing")), 0);
    EXPECT_EQ(split->indexOf(tabs), 1);
    EXPECT_EQ(tabs->widget(0), view);
    EXPECT_EQ(tabs->tabText(0), "Таблица");
    ASSERT_NE(model(), nullptr);
    EXPECT_EQ(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(model()->columnCount() + 1, 75); // before the first refresh
    EXPECT_EQ(model()->rowCount() + 1, 100);
}

TEST_F(ResultsPanelTest, RefreshShowsTheRunInGridListingAndCaptions)
{
    installCaptions();
    form->resultsPanel().refreshResults();
    EXPECT_TRUE(fake.errors.empty());
    EXPECT_EQ(model()->columnCount(), 25);
    EXPECT_EQ(form->resultsPanel().captionCount(), kGridValueRows); // the catalogue's rows too
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(cell(i, 0), q(FormatFixed(store()(0, i) * kDegPerRad, 4, 2, '.')));
        for (int r = 1; r < kGridValueRows; ++r)
            ASSERT_EQ(cell(i, r), q(FormatFixed(store()(r, i), 4, 2, '.')));
    }
    EXPECT_EQ(cell(0, 1), "dfi: поворот кривошипа от шага 1, рад");
    EXPECT_EQ(model()->headerData(0, Qt::Horizontal).toString(), cell(1, 0));

    GridText expectedGrid;
    std::string expected;
    fillResults(store(), 25, '.', expectedGrid, expected, {}, "\n");
    EXPECT_EQ(memo(), q(expected));
    EXPECT_EQ(listing()->blockCount(), 2 + 2 * 25 + 1);
}

TEST_F(ResultsPanelTest, ColumnCountFollowsNNotTheCycleField)
{
    installCaptions();
    for (const char* typed : {"2", "abc"}) {
        child<QLineEdit>(*form, "cycleCountEdit")->setText(typed);
        setRunSteps(49);
        form->resultsPanel().refreshResults();
        EXPECT_EQ(model()->columnCount(), 49) << typed;
        setRunSteps(25);
        form->resultsPanel().refreshResults();
        EXPECT_EQ(model()->columnCount(), 25) << typed;
    }
    EXPECT_TRUE(fake.errors.empty());
    setRunSteps(0);
    form->resultsPanel().refreshResults();
    EXPECT_EQ(model()->columnCount(), 0);
    EXPECT_EQ(memo(), "Таблица значений обновлена...\n\n");
}

TEST_F(ResultsPanelTest, MissingCaptionsAreReportedAfterTheValueRowsAreFilled)
{
    QString shownAtError;
    QString memoAtError;
    fake.onError = [&] {
        shownAtError = cell(25, 78);
        memoAtError = memo();
    };
    form->resultsPanel().refreshResults();
    EXPECT_EQ(fake.errors,
              std::vector<std::string>{"Файл не найден.\nФайл \"" + fake.exeDir + "scr.ini\""});
    EXPECT_EQ(shownAtError, q(FormatFixed(store()(78, 25), 4, 2, '.')));
    EXPECT_TRUE(memoAtError.startsWith("Таблица значений обновлена...\n\n"));
    EXPECT_EQ(form->resultsPanel().captionCount(), 1);
    EXPECT_EQ(cell(0, 1), "");
}

// A caption file that cannot be read is reported once, not at every refresh; again once it
// changes (here: a folder in its place, then the file restored and removed again).
TEST_F(ResultsPanelTest, ACaptionFaultIsShownOncePerChangeOfTheFile)
{
    const std::string captions = dir.file("scr.ini");
    const std::string missing = errorReportText(fileErrorText("Файл не найден", captions));
    const std::string folder = errorReportText(fileErrorText("это папка", captions));
    const struct {
        std::function<void()> change;
        std::vector<std::string> errors; // after two refreshes
    } steps[] = {
        {[] {}, {missing}},
        {[&] { std::filesystem::create_directory(captions); }, {missing, folder}},
        {[&] {
             std::filesystem::remove(captions);
             installCaptions();
         },
         {missing, folder}},
        {[&] { std::filesystem::remove(captions); }, {missing, folder, missing}},
    };
    for (const auto& step : steps) {
        step.change();
        form->resultsPanel().refreshResults();
        form->resultsPanel().refreshResults();
        EXPECT_EQ(fake.errors, step.errors);
    }
}

TEST_F(ResultsPanelTest, IndicatorAdvancesTheBarWithAFewPaints)
{
    installCaptions();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(bar()->isVisible());
    PaintCounter counter;
    bar()->installEventFilter(&counter);
    setRunSteps(2000);
    child<QAction>(*form, "indicatorAction")->setChecked(true);
    form->resultsPanel().refreshResults();
    EXPECT_EQ(bar()->maximum(), 2000);
    EXPECT_EQ(bar()->minimum(), 0);
    EXPECT_EQ(bar()->value(), 2000);
    EXPECT_GE(counter.paints, 50);  // it moved visibly...
    EXPECT_LE(counter.paints, 250); // ...without painting every step

    child<QAction>(*form, "indicatorAction")->setChecked(false);
    bar()->setRange(0, 12);
    bar()->setValue(3);
    form->resultsPanel().refreshResults();
    EXPECT_EQ(bar()->maximum(), 12);
    EXPECT_EQ(bar()->value(), 3);
}

// A shown listing reads the grid's cells; while the refresh rewrites them (on other threads too)
// the memo must hold only the status line, whatever paints meanwhile.
TEST_F(ResultsPanelTest, WhileTheGridIsRewrittenTheMemoHoldsOnlyTheStatus)
{
    installCaptions();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    child<QAction>(*form, "indicatorAction")->setChecked(true);
    setRunSteps(60);
    form->resultsPanel().refreshResults();
    ASSERT_EQ(listing()->blockCount(), 2 + 2 * 60 + 1);

    // What the memo holds at each paint of the bar between the grid's reset and its end.
    class MemoAtBarPaint : public QObject {
    public:
        explicit MemoAtBarPaint(const ListingView& memo) : memo_(memo) {}
        bool rewriting = false;
        std::vector<std::string> seen;

    protected:
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (rewriting && e->type() == QEvent::Paint)
                seen.push_back(memo_.toPlainText().toStdString());
            return false;
        }

    private:
        const ListingView& memo_;
    } memoAtPaint(*listing());
    ResultsGridModel* model = this->model();
    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, &memoAtPaint,
                     [&] { memoAtPaint.rewriting = true; });
    QObject::connect(model, &QAbstractItemModel::modelReset, &memoAtPaint,
                     [&] { memoAtPaint.rewriting = false; });
    bar()->installEventFilter(&memoAtPaint);
    setRunSteps(40);
    form->resultsPanel().refreshResults();
    bar()->removeEventFilter(&memoAtPaint);
    ASSERT_GE(memoAtPaint.seen.size(), 2u);
    for (const std::string& seen : memoAtPaint.seen)
        ASSERT_EQ(seen, "Таблица значений обновлена...\n\n");
    EXPECT_EQ(listing()->blockCount(), 2 + 2 * 40 + 1);
}

TEST_F(ResultsPanelTest, CancelledDialogsDoNothing)
{
    form->resultsPanel().setListingText("before");
    params.l1 = 33;
    form->resultsPanel().saveReport();
    form->resultsPanel().openReport();
    EXPECT_EQ(memo(), "before");
    EXPECT_EQ(params.l1, 33);
    // l1 differs from the run's: the report asks first (answered "as is" by the fake).
    EXPECT_EQ(fake.calls, (std::vector<std::string>{std::string("stale:") + kStaleExportQuestion,
                                                    "save:Текстовый файл|*.txt|Все файлы|*.*",
                                                    "open:Текстовый файл|*.txt|Все файлы|*.*"}));
    // A name typed without a suffix is saved as a text file.
    EXPECT_EQ(fake.dialogRequests.at(0).defaultSuffix, "txt");
}

TEST_F(ResultsPanelTest, SaveWritesTheReportOfTheGridText)
{
    installCaptions();
    form->resultsPanel().refreshResults();
    form->resultsPanel().setListingText("before");
    const std::string path = dir.file("report.txt");
    fake.saveReplies.push_back(path);
    form->resultsPanel().saveReport();
    EXPECT_EQ(memo(), "before"); // a new file leaves the memo alone
    const std::string bytes = readBytes(path);
    EXPECT_EQ(splitCrLf(bytes).size(), 1989u);
    // The grid's cells are made on demand; the report must be that of the refreshed grid text.
    GridText refreshed;
    ResultsListing refreshedLines(refreshed);
    refreshResults(store(), params.N, '.', refreshed, refreshedLines);
    writeReport(dir.file("expected.txt"), params, refreshed, '.');
    EXPECT_EQ(bytes, readBytes(dir.file("expected.txt")));

    // Saved again once the window has been still: the text made ahead is the same.
    QTest::qWait(900);
    fake.saveReplies.push_back(path);
    form->resultsPanel().saveReport();
    EXPECT_EQ(memo(), q(path)); // replacing names the file
    EXPECT_TRUE(fake.errors.empty());
    EXPECT_EQ(readBytes(path), bytes);

    // A device is no report: writing to it might never end (a pipe with no reader).
    fake.saveReplies.push_back("/dev/full");
    form->resultsPanel().saveReport();
    EXPECT_EQ(fake.errors, std::vector<std::string>{errorReportText(
                               fileErrorText(kNotARegularFileMessage, "/dev/full"))});
}

TEST_F(ResultsPanelTest, OpenReadsTheHeaderAndRefreshesTheLabels)
{
    ParamSet saved;
    setDefaults(saved);
    saved.l1 = 12.5;
    saved.m2 = 7.25L;
    const std::string path = dir.file("r.txt");
    writeReport(path, saved, GridText{}, '.');
    setRunSteps(61);
    fake.openReplies.push_back(path);
    form->resultsPanel().openReport();
    EXPECT_TRUE(fake.errors.empty());
    EXPECT_EQ(memo(), q(path));
    EXPECT_EQ(params.l1, 12.5);
    EXPECT_EQ(params.m2, 7.25L);
    EXPECT_EQ(params.N, 61);
    EXPECT_EQ(labelText("l1Value"), q(FormatFixed(12.5, 4, 3, '.')));
    EXPECT_EQ(labelText("m2Value"), q(FormatFixed(7.25, 4, 3, '.')));
}

TEST_F(ResultsPanelTest, OpenStoppedByABadLineStillShowsWhatWasStored)
{
    const std::string path = dir.file("bad.txt");
    writeBytes(path, "17.00\r\n27.00\r\nabc\r\n");
    form->resultsPanel().setListingText("before");
    fake.openReplies.push_back(path);
    form->resultsPanel().openReport();
    EXPECT_EQ(fake.errors, std::vector<std::string>{"line 3: 'abc' is not a valid floating point "
                                                    "value.\nФайл \"" +
                                                    path + "\""});
    EXPECT_EQ(params.l2, 27);
    EXPECT_EQ(params.b, 15);
    EXPECT_EQ(labelText("l2Value"), q(FormatFixed(27, 4, 3, '.')));

    form->resultsPanel().setListingText("before");
    fake.openReplies.push_back(dir.file("none.txt"));
    form->resultsPanel().openReport();
    EXPECT_EQ(memo(), "before");
    EXPECT_EQ(fake.errors.back(), "Файл не найден.\nФайл \"" + dir.file("none.txt") + "\"");
}

// A report opens whichever separator it was written with, whatever the locale's is now.
TEST_F(ResultsPanelTest, OpenReadsAReportOfTheOtherLocale)
{
    const std::string point = dir.file("point.txt"), comma = dir.file("comma.txt");
    writeBytes(point, "12.50\r\n25.00\r\n12.50\r\n");
    writeBytes(comma, "13,50\r\n26,00\r\n12,50\r\n");
    for (const char separator : {',', '.'}) {
        SCOPED_TRACE(separator);
        useSeparator(separator);
        fake.openReplies.push_back(point);
        form->resultsPanel().openReport();
        EXPECT_EQ(params.l1, 12.5);
        fake.openReplies.push_back(comma);
        form->resultsPanel().openReport();
        EXPECT_EQ(params.l1, 13.5);
        EXPECT_EQ(params.l2, 26);
        // The fourth line is the first the files lack: "" is no number.
        EXPECT_EQ(fake.errors.size(), 2u);
        EXPECT_EQ(fake.errors.back(),
                  "line 4: '' is not a valid floating point value.\nФайл \"" + comma + "\"");
        fake.errors.clear();
        EXPECT_EQ(labelText("l1Value"), q(FormatFixed(13.5, 4, 3, separator))); // in force
    }
    // A line holding both separators is still refused.
    writeBytes(comma, "13,5.0\r\n");
    fake.openReplies.push_back(comma);
    form->resultsPanel().openReport();
    EXPECT_EQ(fake.errors,
              std::vector<std::string>{"line 1: '13,5.0' is not a valid floating point value.\n"
                                       "Файл \"" +
                                       comma + "\""});
    EXPECT_EQ(params.l1, 13.5);
}

// The grid: values and angles aligned alike, and a tooltip giving the full value behind the two
// decimals of a cell or an angle header, until a new calculation rewrites the store.
TEST_F(ResultsPanelTest, GridCellsAlignLikeTheHeaderAndTipTheFullValue)
{
    ResultsGridModel* model = this->model();
    store()(0, 2) = 0.0001L * kRadPerDeg * 3; // a fine step: every angle shows as "0.00"
    store()(5, 2) = 1.0L / 3;
    store()(78, 3) = -12345.678L;
    form->resultsPanel().refreshResults();
    const QModelIndex third = model->index(4, 1); // grid cell (2, 5)
    // Row 5 is fis: its tips end in the catalogue's note on it.
    const QString fisNote = q("\n" + quantityNote(quantityInfo(Quantity::fis)));
    EXPECT_EQ(model->data(third).toString(), "0.33"); // the cell text stays
    EXPECT_EQ(model->data(third, Qt::ToolTipRole).toString(), "0.333333333333333" + fisNote);
    EXPECT_EQ(model->data(model->index(77, 2), Qt::ToolTipRole).toString(), "-12345.678");
    EXPECT_EQ(model->data(model->index(77, 2)).toString(), "-1.235E04");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "0.00");
    // The angle's tip says how angles are measured, as the catalogue notes on fi.
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(),
              q("0.0003\n" + quantityNote(quantityInfo(Quantity::fi))));
    const auto cellAlign = model->data(third, Qt::TextAlignmentRole).value<Qt::Alignment>();
    const auto headAlign =
        model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_EQ(cellAlign, headAlign);
    EXPECT_TRUE(cellAlign.testFlag(Qt::AlignRight));
    // The tip follows the separator, as the text does.
    useSeparator(',');
    EXPECT_EQ(model->data(third, Qt::ToolTipRole).toString(), "0,333333333333333" + fisNote);
    useSeparator('.');

    // "Расчет" rewrites the store: the old text stays, but has no full value to show any more.
    trigger(*form, "calculateAction");
    EXPECT_EQ(model->data(third).toString(), "0.33");
    EXPECT_FALSE(model->data(third, Qt::ToolTipRole).isValid());
    EXPECT_FALSE(model->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    form->resultsPanel().refreshResults();
    EXPECT_EQ(model->data(third, Qt::ToolTipRole).toString(),
              q(FormatGeneral(store()(5, 2), '.')) + fisNote);
    // Past the run's last step there is no cell and no value.
    EXPECT_FALSE(model->data(model->index(0, 30), Qt::ToolTipRole).isValid());
}

// Processor time of this process so far, in milliseconds (a busy machine stretches wall time).
long long cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000LL +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000;
}

// Not a timed test: a harness for measuring the refresh through the window at the largest run.
// Run with --gtest_also_run_disabled_tests --gtest_filter='*LargestRun*'.
TEST_F(ResultsPanelTest, DISABLED_LargestRunThroughTheWindow)
{
    installCaptions();
    constexpr int kN = 89977;
    for (int i = 1; i <= kN; ++i) {
        store()(0, i) = (i - 1) * 15 * kRadPerDeg;
        for (int k = 1; k < kListingRows; ++k)
            store()(k, i) = std::pow(10.0L, k % 7 - 2) * std::sin(0.013L * i + k);
    }
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    setRunSteps(kN);
    child<QAction>(*form, "indicatorAction")->setChecked(true);
    QElapsedTimer t;
    t.start();
    long long cpu = cpuMs();
    form->resultsPanel().refreshResults();
    const qint64 refreshMs = t.elapsed();
    const long long refreshCpu = cpuMs() - cpu;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("refresh through the window at N = %d: %lld ms (%lld ms CPU), peak RSS %ld MB\n",
                kN, static_cast<long long>(refreshMs), refreshCpu, usage.ru_maxrss / 1024);
    // The parts: the core work alone (on every core), then showing its lines in a memo.
    GridText grid;
    auto lines = std::make_shared<ResultsListing>(grid);
    t.restart();
    cpu = cpuMs();
    refreshResults(store(), kN, '.', grid, *lines);
    std::printf("of which core %lld ms (%lld ms CPU)", static_cast<long long>(t.elapsed()),
                cpuMs() - cpu);
    ListingView memo;
    memo.resize(445, 25);
    memo.show();
    t.restart();
    memo.setLines(lines);
    memo.viewport()->grab();
    std::printf(", memo %lld ms\n", static_cast<long long>(t.elapsed()));
    t.restart();
    fake.saveReplies.push_back(dir.file("large.txt"));
    form->resultsPanel().saveReport();
    std::printf("save through the window: %lld ms\n", static_cast<long long>(t.elapsed()));
    EXPECT_EQ(model()->columnCount(), kN);
    EXPECT_EQ(listing()->blockCount(), 2 + 2 * kN + 1);
    EXPECT_TRUE(fake.errors.empty());
}
