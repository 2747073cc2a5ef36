// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the menu, the fade-in and fade-out, the calculation command, and the panels it
// places and wires to the menu (parameters, run settings, results, animation, progress bar). The
// chart and About windows are main's; the window only shows the ones it is handed.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/ExportCheck.h"

class AboutWindow;
class AutoRecalc;
struct CalcOutcome;
class AnimationPanel;
class DocumentCommands;
class FlywheelChartWindow;
class MoEChartWindow;
class LoadEditor;
class ParameterPanel;
class ProjectController;
class ProgressIndicator;
class QAction;
class QLabel;
class QTimer;
class QuantityChartWindow;
class ResultsPanel;
class RunSettingsPanel;
class SummaryWindow;
class SweepWindow;

// The windows the menu shows; any may be missing, and its command then does nothing.
struct SideWindows {
    MoEChartWindow* moeChart = nullptr;
    QuantityChartWindow* quantityChart = nullptr;
    AboutWindow* about = nullptr;
    SummaryWindow* summary = nullptr;
    FlywheelChartWindow* flywheelChart = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window at its default size (everything in sight where the screen has room; within
    // the screen otherwise), the defaults shown, and starts the fade-in. Any size is laid out;
    // the results take the extra room, and the parameters scroll when the window is short.
    MainWindow(Platform& platform, ParamSet& params, ResultStore& store, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows the menu shows; each is told at once, and after every change, whether the
    // parameters on screen still match its results.
    void setSideWindows(const SideWindows& windows);

    ParameterPanel& parameterPanel() { return *parameters_; }
    RunSettingsPanel& runSettingsPanel() { return *runSettings_; }
    ResultsPanel& resultsPanel() { return *results_; }
    AnimationPanel& animationPanel() { return *animation_; }
    ProgressIndicator& progressIndicator() { return *progress_; }
    ProjectController& projectController() { return *project_; }
    DocumentCommands& documentCommands() { return *document_; }

    // Window opacity as the 8-bit value 0..255 handed to the window.
    int opacity() const { return opacity_; }
    void setOpacity(int value);

    // One fade-in tick: opacity +15 up to 255, then the timer stops.
    void fadeInStep();
    // "Расчет": the memo line, a box naming the first angle the rod cannot pass (checkRodReach)
    // when there is one, the three stages, then one box per failed stage in stage order.
    void calculate();
    // Whether the parameters on screen differ from those of the results in the store, or the
    // results belong to the project before "Новый"; the line "staleResultsLine" in the status
    // bar says so while they do.
    bool resultsStale() const { return stale_; }
    // The check of every export (ExportCheck): when `written` differs from the parameters on
    // screen (or the results are stale), asks kStaleExportQuestion: as is goes on, "Пересчитать
    // и сохранить" calculates (and refreshes the grid for a report, or when it shows results)
    // and goes on, "Отмена" writes nothing.
    bool confirmExport(const ParamSet& written, ExportSource source);
    // "Графики": before the first calculation only kNoResultsMessage; otherwise shows the Mo/E
    // chart, refilled when it was shown already.
    void showMoEChart();
    // "Параметры": before the first calculation only kNoResultsMessage; otherwise shows the
    // quantity chart, or brings it to the front.
    void showQuantityChart();
    // "Сводка": brings the summary's tab of the results to the front, refilled with the last
    // calculation.
    void showSummary();
    // A δ chosen in the summary: stored as one undoable step, and the summary refilled.
    void chooseDelta(long double delta);
    // "Маховик", also the summary's "Графики маховика": before the first calculation only
    // kNoResultsMessage; otherwise shows the flywheel charts of the last
    // calculation, refilled, or brings them to the front.
    void showFlywheelChart();
    // The number format every panel writes with, for the windows main makes beside this one.
    const NumberFormat& numbers() const { return numbers_; }
    // "Нагрузка…": shows the load editor with the load in force, or brings it to the front.
    void showLoadEditor();
    // The load editor once shown, else nullptr.
    LoadEditor* loadEditor() const { return loadEditor_; }
    // "Исследование параметра…": shows the sweep window, which sweeps from the parameters on
    // screen, or brings it to the front.
    void showSweep();
    // The sweep window once shown, else nullptr; its keepAsVariant is for the variants to take.
    SweepWindow* sweepWindow() const { return sweep_; }
    // "Исследование двух параметров…": shows the window of the sweep over two parameters (its
    // cells kept go to the variants), or brings it to the front.
    void showSweepMap();
    // "О программе".
    void showAbout();
    // "Выход": closes the window and ends the application.
    void quit();
    // "Индикатор": flips its check mark, and with it whether the refresh drives the bar.
    void toggleIndicator();
    // "Пересчитывать автоматически" (kept between sessions): while on, every change of the
    // parameters, run settings or load is calculated in the background and the open views follow
    // (resultsReplaced); a failed stage is told in the memo, not in a box.
    bool autoRecalcEnabled() const;
    void setAutoRecalcEnabled(bool on);
    // Whether an automatic calculation is going or waiting to start.
    bool recalculating() const;
    // Runs one command of the window: whatever it throws is shown through the standard error
    // report and ends that command only (runCommand in platform/Command.h).
    void runGuarded(const std::function<void()>& command);

signals:
    // The results became stale (true) or belong to the parameters on screen again (false).
    void resultsStaleChanged(bool stale);
    // A calculation ("Расчет" or an automatic one) put new results in the store and the open
    // views were refilled from them (the charts, the summary, and the grid and listing when they
    // show results).
    void resultsReplaced();
    // A window beside this one (the sweep) offers a set to keep among the variants.
    void variantOffered(const ParamSet& params, const QString& suggestedName);

protected:
    void closeEvent(QCloseEvent* event) override; // the fade-out
    void changeEvent(QEvent* event) override;     // locale changes reread the separator
    void showEvent(QShowEvent* event) override;   // Tab in reading order, once laid out

private:
    void buildMenu();
    // Compares the parameters on screen with the results' and shows or hides the line.
    void updateStaleLine();
    void showStaleInSideWindows();
    // Shows a chart window that fills itself when shown, refilled and brought to the front when
    // it is shown already; nothing for a missing window.
    template <class Chart> void showFilled(Chart* chart);
    // False after telling the user there are no results yet.
    bool haveResultsOrSay();
    // The line "loadStatus" and the box beside the parameters from the load and δ in force.
    void updateLoadStatus();
    // The box "loadAndDelta" beside the parameters: the load and δ, each with a button to the
    // window that changes it ("loadButton": the load editor, "deltaButton": the summary).
    QWidget* buildLoadAndDelta(QWidget* client);
    // An automatic calculation is in the store: the views follow it.
    void followRecalculation(const CalcOutcome& outcome);
    // Menu items, each with the object name it is called by here.
    QAction *newAction = nullptr, *openReportAction = nullptr, *saveReportAction = nullptr;
    QAction *quitAction = nullptr, *refreshAction = nullptr, *indicatorAction = nullptr;
    QAction *calculateAction = nullptr, *animationAction = nullptr, *moeChartAction = nullptr;
    QAction *autofillAction = nullptr, *quantityChartAction = nullptr, *aboutAction = nullptr;
    QAction* exportCsvAction = nullptr;     // "Экспорт CSV…", Ctrl+E
    QAction* summaryAction = nullptr;       // "Сводка", F10
    QAction* flywheelChartAction = nullptr; // "Маховик"
    QAction* loadAction = nullptr;          // "Нагрузка…", no shortcut
    QAction* sweepAction = nullptr; // "Исследование параметра…", no shortcut
    QAction* autoRecalcAction = nullptr; // "Пересчитывать автоматически", checkable
    QTimer* fadeTimer = nullptr; // "fadeTimer": 1 ms fade-in ticks, stopped once opaque
    Platform& platform;
    ParamSet& P;
    ResultStore& R;
    // The number format of every panel: the platform's, read at start and again when the
    // system's locale changes.
    NumberFormat numbers_;
    ProgressIndicator* progress_ = nullptr;
    ResultsPanel* results_ = nullptr;
    ParameterPanel* parameters_ = nullptr;
    RunSettingsPanel* runSettings_ = nullptr;
    AnimationPanel* animation_ = nullptr;
    ProjectController* project_ = nullptr; // the file, the undo history, the recovery copy
    DocumentCommands* document_ = nullptr; // the printable document: PDF, print, its charts
    SideWindows side_;
    QPointer<SummaryWindow> summaryInTab_; // side_.summary, shown as a tab of the results
    QLabel* staleLine_ = nullptr;
    QLabel* stoppedLine_ = nullptr; // "stoppedRunLine": the results shown stopped part-way
    QLabel* loadStatus_ = nullptr;  // "loadStatus": the load in force, in one line
    // Beside the parameters: "loadLine" (the load, as "loadStatus" says it) and "deltaValue".
    QLabel* loadLine_ = nullptr;
    QLabel* deltaValue_ = nullptr;
    LoadEditor* loadEditor_ = nullptr;
    SweepWindow* sweep_ = nullptr;
    AutoRecalc* autoRecalc_ = nullptr;
    bool stale_ = false;
    // "Новый" was chosen after the last calculation: its results belong to another project.
    bool resultsOfOtherProject_ = false;
    int opacity_ = 0;
};
