// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ResultsPanel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollArea>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/UiText.h"
#include "base/WindowMessage.h"
#include "calc/Calculation.h"
#include "formats/GridValues.h"
#include "formats/Report.h"
#include "formats/ResultsText.h"
#include "formats/SpreadsheetCsv.h"
#include "platform/ProgramFiles.h"
#include "platform/qt/ProgressIndicator.h"
#include "platform/qt/UiLook.h"
#include "present/ShownCaption.h"
#include "present/qt/ListingView.h"
#include "present/qt/ResultsGridModel.h"

namespace {

// In Russian; shown in the language in use.
const char* const kReportFilter =
    QT_TRANSLATE_NOOP("ResultsPanel", "Текстовый файл|*.txt|Все файлы|*.*");
const char* const kLoadNotInReportMemo = QT_TRANSLATE_NOOP(
    "ResultsPanel", "Нагрузка в отчёт не записывается: она сохраняется только в проекте.");
// The export's dialog says which separators the file will have, so that a user whose
// spreadsheet expects others knows before writing it.

FileDialogRequest csvDialog(char decimal)
{
    const char field = spreadsheetFieldSeparator(decimal);
    return {
        QCoreApplication::translate("ResultsPanel", "Файл CSV|*.csv|Все файлы|*.*").toStdString(),
        "csv", "csvExport",
        QCoreApplication::translate("ResultsPanel",
                                    "Экспорт CSV: поля через «%1», дробная часть через «%2»")
            .arg(QChar::fromLatin1(field), QChar::fromLatin1(decimal))
            .toStdString()};
}

// What the memo shows while the grid is rewritten: the listing's first lines.
QString refreshStatus()
{
    return QString::fromUtf8(kListingHeader.data(), qsizetype(kListingHeader.size())) +
           QStringLiteral("\n\n");
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// What stands at `path` now (nothing, or a file of this type, size, identity and time of last
// change), so that a fault of the file is told apart from the same fault of a changed file.
std::string fileState(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "missing " + std::to_string(errno);
    return std::to_string(info.st_mode) + " " + std::to_string(info.st_size) + " " +
           std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + " " +
           std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) + " " +
           std::to_string(info.st_ctim.tv_sec) + "." + std::to_string(info.st_ctim.tv_nsec);
}

} // namespace

ResultsPanel::ResultsPanel(QWidget* client, ParamSet& params, const ResultStore& store,
                           Platform& platform, ProgressIndicator& progress,
                           const NumberFormat& numbers, QObject* parent)
    : QObject(parent), P(params), R(store), platform(platform), progress(progress), numbers(numbers)
{
    resultsArea = new QFrame(client);
    resultsArea->setObjectName("resultsArea");
    auto* layout = new QVBoxLayout(resultsArea);
    layout->setContentsMargins(0, 0, 0, 0);
    // The listing over the grid, the user choosing how much of each to see.
    auto* split = new QSplitter(Qt::Vertical, resultsArea);
    split->setObjectName("resultsSplitter");
    split->setChildrenCollapsible(false);
    layout->addWidget(split);
    // The listing's lines are made on demand from the grid text as they are shown or copied.
    listing = new ListingView(split);
    listing->setObjectName("listing");
    listing->setMinimumHeight(listing->fontMetrics().height() * 2);
    QPalette memo = listing->palette();
    memo.setColor(QPalette::Base, Qt::black);
    memo.setColor(QPalette::Text, kInactiveCaptionGradient);
    listing->setPalette(memo);
    listing->setPlainText(tr("Отчёт:"));

    gridModel = new ResultsGridModel(this);
    gridModel->setNumberFormat(&numbers);
    // The report's text is made once the window has been still for a moment after a refresh,
    // so that refreshes in a row (recalculating as the user types) do not each pay for it.
    bodyTimer_ = new QTimer(this);
    bodyTimer_->setSingleShot(true);
    bodyTimer_->setInterval(700);
    connect(bodyTimer_, &QTimer::timeout, this, [this] {
        if (gridWith_) reportBody_.start(gridModel->values(), gridWith_->N);
    });
    // A shown listing reads the grid's cells: before the grid is rewritten (by another thread
    // too), the listing over it leaves the memo, whose repaint may come while the refresh runs.
    connect(gridModel, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { setListingText(refreshStatus()); });
    // The grid and, once the window hands it over, the summary, as tabs under the listing; the
    // listing stays in sight, as the commands' messages are written there.
    tabs_ = new QTabWidget(split);
    tabs_->setObjectName("resultsTabs");
    tabs_->setDocumentMode(true);
    // Tab walks the controls; Ctrl+Tab, a click or "Сводка" (F10) change the tab.
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);
    // The tabs never widen a narrow results column: their bar scrolls instead.
    tabs_->setUsesScrollButtons(true);
    tabs_->setMinimumWidth(64);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (summaryScroll_ && tabs_->currentWidget() == summaryScroll_) emit summaryTabShown();
    });
    grid = new QTableView(tabs_);
    grid->setObjectName("grid");
    grid->setModel(gridModel);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    // Fixed sizes: fitting 90000 sections to their contents would take seconds on every refresh.
    QHeaderView* columns = grid->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultSectionSize(64);
    QHeaderView* captions = grid->verticalHeader();
    captions->setSectionResizeMode(QHeaderView::Fixed);
    captions->setDefaultSectionSize(24);
    captions->setFixedWidth(150);
    tabs_->addTab(grid, tr("Таблица"));
    split->addWidget(listing);
    split->addWidget(tabs_);
    // The grid takes most of the room, the listing a few lines of it.
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
}

QWidget* ResultsPanel::widget() const
{
    return resultsArea;
}

void ResultsPanel::holdSummary(QWidget* summary)
{
    if (summary == summary_) return;
    if (summaryScroll_) {
        tabs_->removeTab(tabs_->indexOf(summaryScroll_));
        summaryScroll_->takeWidget();
        delete summaryScroll_;
    }
    summary_ = summary;
    if (!summary) return;
    // The summary's table is wider than the results may be on a small screen: it scrolls there.
    summaryScroll_ = new QScrollArea;
    summaryScroll_->setObjectName("summaryScroll");
    summaryScroll_->setWidgetResizable(true);
    summaryScroll_->setFrameShape(QFrame::NoFrame);
    summaryScroll_->setFocusPolicy(Qt::NoFocus);
    summaryScroll_->setWidget(summary);
    tabs_->addTab(summaryScroll_, tr("Сводка"));
}

void ResultsPanel::showSummaryTab()
{
    if (summaryScroll_) tabs_->setCurrentWidget(summaryScroll_);
}

void ResultsPanel::setListingText(const QString& text)
{
    listing->setPlainText(text);
}

const ParamSet* ResultsPanel::resultsOrSay() const
{
    const ParamSet* run = R.computedWith();
    if (!run) platform.showMessage(uiText("Calculation", kNoResultsMessage));
    return run;
}

void ResultsPanel::refreshResults()
{
    // Before the first calculation the grid would show zeros as if they were results.
    const ParamSet* run = resultsOrSay();
    if (!run) return;
    // Of a run that stopped part-way the grid and the listing hold the computed steps only.
    const int32_t n = R.computedSteps();
    const BusyCursor busy(platform);
    const bool indicator = progress.followsRefresh();
    if (indicator) progress.setRange(0, n);
    captionCount_ = 1;

    // Painting the bar 90000 times would cost more than the refresh: only a new percentage is
    // painted, and at once, since no event is processed until the command ends.
    int shownPercent = -1;
    RefreshProgress onStep;
    if (indicator)
        onStep = [&](int step) {
            const int percent = static_cast<int>(int64_t(step) * 100 / n);
            if (percent == shownPercent) return;
            shownPercent = percent;
            progress.setValue(step);
            progress.repaintNow();
        };

    // The body of the old values' report goes before the values change under it.
    bodyTimer_->stop();
    reportBody_.stop();
    gridModel->beginChange(); // the memo shows refreshStatus() meanwhile
    gridWith_.reset();        // a partly copied grid belongs to no run
    try {
        // The values are copied, not formatted: a cell is made into text when it is shown.
        gridModel->showValues(R, n, numbers.decimal, onStep);
    } catch (...) {
        gridModel->endChange(); // views re-read the grid rather than a stale one
        throw;
    }
    gridWith_ = computedRun(R); // its N: the grid's columns, which the report writes
    gridStop_ = runStopText(R, numbers.decimal);
    gridModel->setValues(&R);
    gridModel->endChange();
    auto lines = std::make_shared<ValuesListing>(gridModel->values());
    listing->setLines(std::move(lines));
    bodyTimer_->start();

    // The captions come last so that a missing file leaves every value row refreshed. A fault
    // is shown once: every later refresh would meet the same one until the file changes.
    const std::string captions = captionsPath(platform.executableDir());
    try {
        loadCaptions(captions);
        captionFault_.clear();
    } catch (const KinovarError& e) {
        const std::string fault = captions + "\n" + fileState(captions) + "\n" + e.what();
        if (fault == captionFault_) return;
        captionFault_ = fault;
        platform.showError(fileErrorText(windowMessage(e), captions));
    }
}

void ResultsPanel::storeRewritten()
{
    gridModel->setValues(nullptr);
}

int ResultsPanel::loadCaptions(const std::string& path)
{
    captionCount_ = gridModel->loadCaptions(path);
    return captionCount_;
}

QStringList ResultsPanel::rowCaptions() const
{
    QStringList out;
    // Grid rows 1..99 exist; captions read beyond them have no row to name.
    const int last = std::min<int>(captionCount_ - 1, ResultStore::kRows - 1);
    for (int k = 1; k <= last; ++k)
        out.push_back(gridModel->cellText(0, k));
    return out;
}

QStringList ResultsPanel::shownRowCaptions() const
{
    QStringList out = rowCaptions();
    for (int k = 0; k < out.size(); ++k)
        out[k] = QString::fromStdString(shownRowCaption(k + 1, out[k].toStdString()));
    return out;
}

void ResultsPanel::saveReport()
{
    // Without results there is nothing to report: the header alone would be followed by
    // empty lines that look like a failed run.
    if (!resultsOrSay()) return;
    // The grid's text goes with the parameters it was made from; without a refresh, with those
    // of the run's computed steps.
    const auto written = [this]() -> ParamSet {
        return gridWith_ ? *gridWith_ : computedRun(R).value_or(P);
    };
    if (exportCheck_ && !exportCheck_(written(), ExportSource::Grid)) return;
    const auto name =
        chooseSaveTarget(platform, {tr(kReportFilter).toStdString(), "txt", kReportSaveDialog});
    if (!name) return; // cancelled: nothing is written
    // A grid not refreshed since the first run holds no values, and a report of it would be
    // the header over empty lines: the grid is filled first, as "Обновить" fills it.
    if (!gridWith_) refreshResults();
    if (fileExists(*name)) setListingText(QString::fromStdString(*name));
    const ParamSet run = written();
    const BusyCursor busy(platform);
    try {
        writeReport(*name, run, gridModel->values(), numbers.decimal, 0,
                    reportBody_.wait(gridModel->values(), run.N));
        // The report's layout has no place for a load: say so rather than drop it silently.
        if (P.load.active()) setListingText(tr(kLoadNotInReportMemo));
        // Nor for a note: the memo says that the report holds a stopped run's computed steps.
        const std::string stop = gridWith_ ? gridStop_ : runStopText(R, numbers.decimal);
        if (!stop.empty()) setListingText(QString::fromStdString(stop));
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(windowMessage(e), *name));
    }
}

void ResultsPanel::exportCsv()
{
    if (!resultsOrSay()) return;
    if (exportCheck_ && !exportCheck_(*R.computedWith(), ExportSource::Store)) return;
    const ParamSet* run = resultsOrSay(); // a recalculation may have replaced it
    if (!run) return;
    const auto name = chooseSaveTarget(platform, csvDialog(numbers.decimal));
    if (!name) return;
    std::vector<std::string> captions;
    for (const QString& caption : rowCaptions())
        captions.push_back(caption.toStdString());
    // Seven million numbers at the largest run take a few seconds.
    const BusyCursor busy(platform);
    try {
        writeSpreadsheetCsv(*name, R, R.computedSteps(), captions, numbers.decimal);
        if (const std::string stop = runStopText(R, numbers.decimal); !stop.empty())
            setListingText(QString::fromStdString(stop));
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(windowMessage(e), *name));
    }
}

void ResultsPanel::openReport()
{
    const auto name = platform.openFileName(tr(kReportFilter).toStdString());
    if (!name) return;
    if (fileExists(*name)) setListingText(QString::fromStdString(*name));
    const BusyCursor busy(platform);
    const ParamSet before = P;
    try {
        readReportHeader(*name, P);
    } catch (const KinovarError& e) {
        // Fields read before the bad line are in force: the labels must say so too.
        emit reportOpened();
        platform.showError(fileErrorText(windowMessage(e), *name));
        return;
    } catch (...) {
        // Any other failure (no memory, say) is no verdict on the file: nothing read stays.
        P = before;
        throw;
    }
    emit reportOpened();
}
