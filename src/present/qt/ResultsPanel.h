// SPDX-License-Identifier: GPL-3.0-or-later
// The results panel of the main window. It owns the results area: the listing (the one-line
// memo at its top, which every command may write) and the results grid with its model, and runs
// "Обновить" (grid, listing, captions from "scr.ini"), "Сохранить Отчёт" and "Открыть". It keeps
// the caption count the refresh read; the progress bar is the one handed to it.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <string>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "formats/GridValues.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/ExportCheck.h"

class ListingView;
class ProgressIndicator;
class QFrame;
class QTableView;
class QScrollArea;
class QTabWidget;
class QWidget;
class ResultsGridModel;

class ResultsPanel : public QObject {
    Q_OBJECT
public:
    // Builds the results area as a child of `client`, for the window's layout to place
    // (widget()): the listing over the grid in a splitter ("resultsSplitter"), the grid a tab
    // ("Таблица") of "resultsTabs".
    // Numbers are written with `numbers`, which the owner keeps up to date and alive.
    ResultsPanel(QWidget* client, ParamSet& params, const ResultStore& store, Platform& platform,
                 ProgressIndicator& progress, const NumberFormat& numbers, QObject* parent);

    // The results area.
    QWidget* widget() const;
    // Shows `summary` as the tab "Сводка" beside the grid (nullptr: no such tab); the tab widget
    // becomes its parent. A summary held before is taken out of the tabs, not deleted.
    void holdSummary(QWidget* summary);
    // Brings the summary's tab to the front, when there is one.
    void showSummaryTab();
    // Replaces the whole listing text with a status line ('\n' separating lines).
    void setListingText(const QString& text);
    // Every view and export reads the results with the parameter set they were computed with
    // (ResultStore::computedWith), whatever the parameters on screen are now.

    // "Обновить": before the first calculation only kNoResultsMessage; otherwise the grid and
    // the listing from the store for the run's computed steps (its values copied, their text
    // made as it is shown: see GridValues), the bar following the steps while it follows
    // refreshes, then the row captions; a caption file that cannot be read is reported, naming
    // it, after every value row is filled, once until the file changes (or its fault does).
    // While the grid is rewritten the listing shows only its first line and a blank line;
    // afterwards its lines come from the grid text.
    void refreshResults();
    // "Сохранить Отчёт": before the first calculation only kNoResultsMessage; otherwise the
    // export check, then asks for a file and writes the report of the grid's text, headed by
    // the parameters of the run the grid was refreshed from (a grid never refreshed is first
    // refreshed, as "Обновить" does); a cancel writes nothing, a replaced file is named in the
    // listing, a report of a run that stopped part-way (its computed steps) is followed by
    // runStopText in the listing, a failed write is reported with the file's name. A target that is
    // not a regular file or a new name is refused (chooseSaveTarget).
    void saveReport();
    // Whether the grid and the listing show a run (the last refresh went through).
    bool showsResults() const { return gridWith_.has_value(); }
    // The calculation wrote the store: the grid keeps its text, but its tooltips can no longer
    // give the values that text was made from.
    void storeRewritten();
    // "Экспорт CSV…": before the first calculation only kNoResultsMessage; otherwise the export
    // check, then asks for a file (".csv" added to a bare name, a remembered path of its own)
    // and writes the computed steps of the run in the store (runStopText then in the memo) as a
    // spreadsheet table headed by the grid's captions (row names where there are none), with the
    // program's decimal separator; a cancel writes nothing, a failed write is reported with the
    // file's name; targets as for saveReport.
    void exportCsv();
    // "Открыть": asks for a report and reads its header into the parameter set; reportOpened()
    // follows even when a bad line stopped the reading, before the error is reported.
    void openReport();

    // The check both exports ask before they write (ExportCheck).
    void setExportCheck(ExportCheck check) { exportCheck_ = std::move(check); }

    // Reads the row captions from `path` into the grid and keeps their count (lines read + 1);
    // throws as the model does, keeping the previous count.
    int loadCaptions(const std::string& path);
    // Captions read by the last refresh plus one; 0 before the first, 1 when none could be read.
    int captionCount() const { return captionCount_; }
    // The captions of the grid rows 1, 2, ... the refresh read, in order (rows past the grid's
    // last are left out); empty before the first refresh.
    QStringList rowCaptions() const;
    // The same captions as the windows show them (see shownRowCaption): the shipped file's lines
    // in the user's language.
    QStringList shownRowCaptions() const;

signals:
    // A report's header was read (in part or whole): the parameter labels must be refreshed.
    void reportOpened();
    // The summary's tab was brought to the front: it is to show the results now on screen.
    void summaryTabShown();

private:
    // The store's run, or nullptr after telling the user there are no results yet.
    const ParamSet* resultsOrSay() const;

    // Object names "resultsArea", "listing" (the memo) and "grid", with the model as grid's.
    QFrame* resultsArea = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPointer<QWidget> summary_;
    QPointer<QScrollArea> summaryScroll_; // the summary's tab
    ListingView* listing = nullptr;
    QTableView* grid = nullptr;
    ResultsGridModel* gridModel = nullptr;
    ParamSet& P;
    const ResultStore& R;
    Platform& platform;
    ProgressIndicator& progress;
    const NumberFormat& numbers;
    int captionCount_ = 0;
    std::optional<ParamSet> gridWith_; // the run the grid's values were refreshed from
    std::string gridStop_;             // where and why that run stopped, "" for a whole run
    ReportBody reportBody_;            // the report of the grid's values, made ahead
    QTimer* bodyTimer_ = nullptr;      // starts reportBody_ once refreshes pause
    ExportCheck exportCheck_;
    std::string captionFault_; // the caption file's fault last shown, with the file's state
};
