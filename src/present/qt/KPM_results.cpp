// Results grid, listing and report commands of the main window.
#include <QAction>
#include <QHeaderView>
#include <QProgressBar>
#include <QTableView>
#include <filesystem>
#include <string>

#include "app/qt/KPM.h"
#include "base/Errors.h"
#include "platform/ProgramFiles.h"
#include "present/Report.h"
#include "present/ResultsText.h"
#include "present/qt/ResultsGridModel.h"

namespace {

const char* const kSaveFilter = "Text File|*.txt|All Types|*.*";
const char* const kOpenFilter = "Text File|*.txt|Any Type|*.*";

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

} // namespace

void TForm1::buildResultsGrid()
{
    sg1Model = new ResultsGridModel(this);
    sg1 = new QTableView(mempan);
    sg1->setObjectName("sg1");
    sg1->setGeometry(0, 40, 457, 361);
    sg1->setModel(sg1Model);
    sg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg1->setWordWrap(false);
    // Fixed sizes: fitting 90000 sections to their contents would take seconds on every refresh.
    QHeaderView* columns = sg1->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultSectionSize(64);
    QHeaderView* captions = sg1->verticalHeader();
    captions->setSectionResizeMode(QHeaderView::Fixed);
    captions->setDefaultSectionSize(24);
    captions->setFixedWidth(150);
}

void TForm1::N15Click()
{
    const bool indicator = N7->isChecked();
    if (indicator) {
        Loadbar->setMaximum(P.N);
        Loadbar->setMinimum(0);
    }
    scrrows = 1;

    // Painting the bar 90000 times would cost more than the refresh: only a new percentage is
    // painted, and at once, since no event is processed until the command ends.
    int shownPercent = -1;
    RefreshProgress progress;
    if (indicator)
        progress = [&](int step) {
            const int percent = static_cast<int>(int64_t(step) * 100 / P.N);
            if (percent == shownPercent) return;
            shownPercent = percent;
            Loadbar->setValue(step);
            Loadbar->repaint();
        };

    std::string listing;
    fillResults(R, P.N, sg1Model->beginChange(), listing, progress, "\n");
    sg1Model->endChange();
    setMemo(QString::fromUtf8(listing.data(), static_cast<qsizetype>(listing.size())));
    listing = std::string();

    // The captions come last so that a missing file leaves every value row refreshed.
    try {
        scrrows = sg1Model->loadCaptions(captionsPath(platform.executableDir()));
    } catch (const KinovarError& e) {
        platform.showError(e.what());
    }
}

void TForm1::N4Click()
{
    const auto name = platform.saveFileName(kSaveFilter);
    if (!name) return; // cancelled: nothing is written
    if (fileExists(*name)) setMemo(QString::fromStdString(*name));
    try {
        writeReport(*name, P, sg1Model->text());
    } catch (const KinovarError& e) {
        platform.showError(e.what());
    }
}

void TForm1::N3Click()
{
    const auto name = platform.openFileName(kOpenFilter);
    if (!name) return;
    if (fileExists(*name)) setMemo(QString::fromStdString(*name));
    try {
        readReportHeader(*name, P);
    } catch (const KinovarError& e) {
        // Fields read before the bad line are in force: the labels must say so too.
        BitBtn1Click();
        platform.showError(e.what());
        return;
    }
    BitBtn1Click();
}
