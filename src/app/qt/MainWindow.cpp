// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/MainWindow.h"
#include "app/qt/controllers/DocumentCommands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>

#include "app/qt/AboutWindow.h"
#include "app/qt/CursorDocks.h"
#include "app/qt/LoadEditor.h"
#include "app/qt/MainLayout.h"
#include "app/qt/controllers/AutoRecalc.h"
#include "app/qt/controllers/ProjectController.h"
#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "calc/RodReach.h"
#include "params/Outcome.h"
#include "params/ParamTable.h"
#include "params/PointCheck.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/Command.h"
#include "platform/qt/ProgressIndicator.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/UiLook.h"
#include "platform/qt/WindowShortcuts.h"
#include "present/VariantTable.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsPanel.h"
#include "present/qt/SummaryWindow.h"
#include "present/qt/SweepMapWindow.h"
#include "present/qt/SweepWindow.h"

namespace {

constexpr int kFadeStep = 15;
// The remembered flag of "Пересчитывать автоматически".
constexpr const char* kAutoRecalcKey = "autoRecalc";
constexpr int kOpaque = 255;
// What the results get beyond their own size hint at the default size: room for a few more of
// the grid's columns.
constexpr int kResultsRoom = 320;
// The room a window frame and title bar take around the client, as window managers draw them.
constexpr QSize kFrameRoom(16, 48);

} // namespace

MainWindow::MainWindow(Platform& platform, ParamSet& params, ResultStore& store, QWidget* parent)
    : QMainWindow(parent), platform(platform), P(params),
      R(store), numbers_{platform.localeDecimalSeparator()}
{
    setObjectName("mainWindow");
    setWindowTitle(QStringLiteral("Kinovar (ver.1.3)"));
    setFont(uiFont(11));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, kSkyBlue);
    client->setPalette(pal);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    progress_ = new ProgressIndicator(client, this);
    results_ = new ResultsPanel(client, P, R, platform, *progress_, numbers_, this);
    parameters_ = new ParameterPanel(client, P, platform, *progress_, numbers_, this);
    runSettings_ = new RunSettingsPanel(client, P, *parameters_, platform, numbers_, this);
    animation_ = new AnimationPanel(client, R, platform, *progress_, numbers_, this);
    project_ = new ProjectController(this, platform, P, *parameters_, *runSettings_, numbers_);
    ProjectController* project = project_;
    document_ = new DocumentCommands(platform, R, numbers_,
                                     {[project] { return project->projectPath(); },
                                      [this] { return P.delta; },
                                      [project] { return project->reportCharts(); },
                                      [project](std::optional<std::vector<std::string>> charts) {
                                          project->setReportCharts(std::move(charts));
                                      }},
                                     this);
    // The document compares the project's variants, in the numbers of the window.
    connect(project_, &ProjectController::variantsChanged, this, [this] {
        document_->setVariants(variantTable(project_->variants(), std::nullopt, numbers_.decimal));
    });
    layOutClient(client, {*parameters_, *runSettings_, *animation_, *progress_, *results_,
                          buildLoadAndDelta(client)});
    // Tab from cell to cell would hold the keyboard in the grid for good; the arrows do that.
    client->findChild<QAbstractItemView*>("grid")->setTabKeyNavigation(false);

    connect(parameters_, &ParameterPanel::listingText, results_, &ResultsPanel::setListingText);
    autoRecalc_ = new AutoRecalc(P, R, this);
    connect(autoRecalc_, &AutoRecalc::resultsSwapped, this, &MainWindow::followRecalculation);
    connect(parameters_, &ParameterPanel::parametersTouched, this, [this] {
        updateStaleLine();
        updateLoadStatus();
        autoRecalc_->parametersMayHaveChanged();
    });
    // Undo and redo put a set back without a command of the panel.
    connect(&project_->undoStack(), &QUndoStack::indexChanged, this, [this] {
        updateLoadStatus();
        autoRecalc_->parametersMayHaveChanged();
    });
    connect(results_, &ResultsPanel::reportOpened, parameters_, &ParameterPanel::refreshLabels);
    // The summary's tab, chosen by a click, shows what is on screen now.
    connect(results_, &ResultsPanel::summaryTabShown, this, [this] {
        if (!side_.summary) return;
        side_.summary->setDelta(P.delta);
        side_.summary->refresh();
    });
    // Every export asks before it writes results of other parameters than those on screen.
    const ExportCheck check = [this](const ParamSet& written, ExportSource source) {
        return confirmExport(written, source);
    };
    results_->setExportCheck(check);
    animation_->setExportCheck(check);
    document_->setExportCheck(check);
    // The results on screen belong to the project "Новый" leaves behind.
    connect(project_, &ProjectController::newProjectStarted, this, [this] {
        resultsOfOtherProject_ = R.computedWith() != nullptr;
        updateStaleLine();
    });

    buildMenu();
    // The status bar under the client area holds both lines whole at the default width: the
    // stale results on the left, where the eye meets them, the load in force on the right.
    QStatusBar* status = statusBar();
    status->setObjectName("statusBar");
    status->setSizeGripEnabled(false);
    staleLine_ =
        new QLabel(QString::fromStdString(uiText("Calculation", kStaleResultsText)), status);
    staleLine_->setObjectName("staleResultsLine");
    QPalette warning = staleLine_->palette();
    warning.setColor(QPalette::WindowText, Qt::darkRed);
    staleLine_->setPalette(warning);
    staleLine_->setMinimumWidth(staleLine_->sizeHint().width());
    status->addWidget(staleLine_);
    staleLine_->setVisible(false);
    // Results of a run that stopped part-way stay marked while they are the ones shown.
    stoppedLine_ = new QLabel(status);
    stoppedLine_->setObjectName("stoppedRunLine");
    stoppedLine_->setPalette(warning);
    status->addWidget(stoppedLine_);
    stoppedLine_->setVisible(false);
    loadStatus_ = new QLabel(loadStatusText(P.load, numbers_.decimal), status);
    loadStatus_->setObjectName("loadStatus");
    loadStatus_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Clear of the window's edge: the bar has no size grip to stand there.
    loadStatus_->setContentsMargins(0, 0, 6, 0);
    status->addPermanentWidget(loadStatus_);
    keepOnScreenWhenShown(this);

    parameters_->resetToDefaults();
    CursorDocks* docks = CursorDocks::install(*this, P, R, numbers_);
    // Every change of the parameters, typed or undone, and every new run redraws the view. One
    // change sends several of these signals; the view is redrawn once, when they are done.
    connect(parameters_, &ParameterPanel::parametersTouched, docks, &CursorDocks::scheduleRefresh);
    connect(&project_->undoStack(), &QUndoStack::indexChanged, docks,
            &CursorDocks::scheduleRefresh);
    connect(this, &MainWindow::resultsReplaced, docks, &CursorDocks::scheduleRefresh);
    connect(this, &MainWindow::resultsStaleChanged, docks, &CursorDocks::scheduleRefresh);
    // Everything at once where the screen has room for it; on a smaller screen the window fits
    // and the parameters scroll. The frame's room is guessed: the window system adds it later.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(defaultWindowSize(sizeHint() + QSize(kResultsRoom, 0),
                                 screen->availableGeometry().size() - kFrameRoom));

    setOpacity(0);
    fadeTimer = new QTimer(this);
    fadeTimer->setObjectName("fadeTimer");
    fadeTimer->setInterval(1);
    connect(fadeTimer, &QTimer::timeout, this, [this] { fadeInStep(); });
    fadeTimer->start();
    letWindowShortcutsThrough(this);
    // Last, so that the parameters it first looks at are the defaults shown.
    setAutoRecalcEnabled(platform.rememberedFlag(kAutoRecalcKey, false));
}

MainWindow::~MainWindow()
{
    // The summary shown in a tab belongs to whoever made it, not to the tabs.
    if (summaryInTab_) {
        summaryInTab_->hide();
        summaryInTab_->setParent(nullptr);
    }
    // The history clears itself as it goes, after the window's own parts are gone.
    disconnect(&project_->undoStack(), nullptr, this, nullptr);
}

void MainWindow::setOpacity(int value)
{
    // Kept in 0..255: a fade-out that starts before the fade-in ended stops at transparent
    // instead of wrapping round to opaque.
    opacity_ = std::clamp(value, 0, kOpaque);
    applyWindowOpacity(this, opacity_);
}

void MainWindow::fadeInStep()
{
    if (opacity_ < kOpaque) setOpacity(opacity_ + kFadeStep);
    // Once opaque there is nothing left to do: the timer need not wake the program any more.
    if (opacity_ >= kOpaque) fadeTimer->stop();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!project_->confirmDiscard()) return event->ignore();
    project_->closedCleanly();
    fadeTimer->stop();
    // The fade-out runs to its end inside the handler, without pauses.
    for (int i = 0; i < kOpaque / kFadeStep; ++i)
        setOpacity(opacity_ - kFadeStep);
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The layout has placed the controls by now: Tab follows them as they stand.
    chainTabOrder(this);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange && parameters_) {
        numbers_.decimal = platform.localeDecimalSeparator();
        parameters_->showValues();
        if (runSettings_) runSettings_->showStepItems();
        if (loadStatus_) updateLoadStatus();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::updateStaleLine()
{
    const bool stale = resultsOfOtherProject_ || ::resultsStale(P, R);
    const std::optional<RunStop> stop = runStop(R);
    stoppedLine_->setVisible(!stale && stop);
    if (stop) {
        stoppedLine_->setText(QString::fromStdString(runStopShortText(R, numbers_.decimal)));
        stoppedLine_->setToolTip(QString::fromStdString(runStopText(R, numbers_.decimal)));
    }
    if (stale == stale_) return;
    stale_ = stale;
    staleLine_->setVisible(stale);
    showStaleInSideWindows();
    emit resultsStaleChanged(stale);
}

QWidget* MainWindow::buildLoadAndDelta(QWidget* client)
{
    auto* box = new QGroupBox(tr("Нагрузка и маховик"), client);
    box->setObjectName("loadAndDelta");
    auto* grid = new QGridLayout(box);
    loadLine_ = new QLabel(loadStatusText(P.load, numbers_.decimal), box);
    loadLine_->setObjectName("loadLine");
    loadLine_->setWordWrap(true);
    auto* loadButton = new QPushButton(tr("Нагрузка…"), box);
    loadButton->setObjectName("loadButton");
    connect(loadButton, &QPushButton::clicked, this,
            guarded(platform, [this] { showLoadEditor(); }));
    // δ is chosen in the summary, from the flywheel it gives; here it is shown and reached.
    const ParamInfo& delta = *findParam("delta");
    auto* deltaCaption =
        new QLabel(QString::fromStdString(paramDisplayName(delta)) + QStringLiteral(" ="), box);
    deltaCaption->setObjectName("deltaCaption");
    deltaValue_ = new QLabel(box);
    deltaValue_->setObjectName("deltaValue");
    auto* deltaButton = new QPushButton(tr("Сводка"), box);
    deltaButton->setObjectName("deltaButton");
    connect(deltaButton, &QPushButton::clicked, this, guarded(platform, [this] { showSummary(); }));
    grid->addWidget(loadLine_, 0, 0, 1, 2);
    grid->addWidget(loadButton, 0, 2, Qt::AlignTop);
    grid->addWidget(deltaCaption, 1, 0);
    grid->addWidget(deltaValue_, 1, 1);
    grid->addWidget(deltaButton, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

void MainWindow::updateLoadStatus()
{
    loadStatus_->setText(loadStatusText(P.load, numbers_.decimal));
    loadLine_->setText(loadStatus_->text());
    deltaValue_->setText(QString::fromStdString(FormatGeneral(P.delta, numbers_.decimal)));
    if (loadEditor_ && !loadEditor_->isVisible()) loadEditor_->showParams();
}

void MainWindow::showLoadEditor()
{
    if (!loadEditor_) loadEditor_ = new LoadEditor(P, *parameters_, platform, numbers_, this);
    // A shown editor keeps what is being typed into it; a hidden one starts from the set.
    if (!loadEditor_->isVisible()) loadEditor_->showParams();
    loadEditor_->show();
    bringToFront(loadEditor_);
}

void MainWindow::showSweep()
{
    if (!sweep_) {
        sweep_ = new SweepWindow(P, platform, numbers_, this);
        connect(sweep_, &SweepWindow::keepAsVariant, this, &MainWindow::variantOffered);
    }
    sweep_->show();
    bringToFront(sweep_);
}

void MainWindow::showSweepMap()
{
    auto* map = findChild<SweepMapWindow*>();
    if (!map) {
        map = new SweepMapWindow(P, platform, numbers_, this);
        connect(map, &SweepMapWindow::keepAsVariant, this, &MainWindow::variantOffered);
    }
    map->show();
    bringToFront(map);
}

void MainWindow::setSideWindows(const SideWindows& windows)
{
    // The summary's button asks for the flywheel charts; a summary set again is connected once.
    if (side_.summary)
        disconnect(side_.summary, &SummaryWindow::flywheelChartsRequested, this, nullptr);
    side_ = windows;
    if (auto* docks = findChild<CursorDocks*>())
        docks->followCharts({windows.moeChart, windows.quantityChart, windows.flywheelChart});
    if (side_.summary)
        connect(side_.summary, &SummaryWindow::flywheelChartsRequested, this,
                guarded(platform, [this] { showFlywheelChart(); }));
    showStaleInSideWindows();
    // The summary is one of the results' tabs.
    if (summaryInTab_ && summaryInTab_ != side_.summary) summaryInTab_->setParent(nullptr);
    summaryInTab_ = side_.summary;
    results_->holdSummary(side_.summary);
    if (side_.summary) {
        side_.summary->setDelta(P.delta);
        connect(side_.summary, &SummaryWindow::deltaChosen, this, &MainWindow::chooseDelta,
                Qt::UniqueConnection);
    }
}

void MainWindow::chooseDelta(long double delta)
{
    runGuarded([this, delta] {
        parameters_->run(
            [delta](ParamSet& p) {
                p.delta = delta;
                return Outcome{};
            },
            QStringLiteral("δ = %1").arg(
                QString::fromStdString(FormatGeneral(delta, numbers_.decimal))));
        if (side_.summary) {
            side_.summary->setDelta(P.delta);
            if (side_.summary->isVisible()) side_.summary->refresh();
        }
        if (side_.flywheelChart && side_.flywheelChart->isVisible()) side_.flywheelChart->fill();
    });
}

void MainWindow::showStaleInSideWindows()
{
    if (side_.moeChart) side_.moeChart->setResultsStale(stale_);
    if (side_.quantityChart) side_.quantityChart->setResultsStale(stale_);
    if (side_.summary) side_.summary->setResultsStale(stale_);
    if (side_.flywheelChart) side_.flywheelChart->setResultsStale(stale_);
}

void MainWindow::calculate()
{
    autoRecalc_->stopAndWait(); // the store is written here
    results_->setListingText(QString::fromStdString(uiText("Calculation", kCalcMemo)));
    // Said before the run, which still goes ahead: the stages then stop where the box said.
    const std::string reach = rodReachText(checkRodReach(P), numbers_.decimal);
    if (!reach.empty()) platform.showMessage(reach);
    // Points that contradict the lengths are named, and the autofill offered; the user may
    // still calculate the points as entered.
    if (const std::string points = pointMismatchText(checkPoints(P), numbers_.decimal);
        !points.empty() &&
        platform.askYesNo(points + "\n\n" +
                          tr("Выполнить «Автозаполнение» перед расчётом?").toStdString()))
        parameters_->autofill();
    if (const auto jump = checkBranchJump(P))
        platform.showMessage(branchJumpText(*jump, numbers_.decimal));
    const CalcOutcome outcome = [this] {
        const BusyCursor busy(platform);
        return runCalculation(P, R);
    }();
    // A run that stopped part-way is no new calculation of every step: the memo says so.
    if (const std::string stop = runStopText(R, numbers_.decimal); !stop.empty())
        results_->setListingText(QString::fromStdString(uiText("Calculation", kCalcMemo)) +
                                 QLatin1Char('\n') + QString::fromStdString(stop));
    resultsOfOtherProject_ = false;
    updateStaleLine();
    // The grid's text is the old run's until the next refresh; its full values are gone.
    results_->storeRewritten();
    // A shown summary follows every calculation.
    if (side_.summary && side_.summary->isVisible()) {
        side_.summary->setDelta(P.delta);
        side_.summary->refresh();
    }
    emit resultsReplaced();
    // The stages run to the end before any box is shown; the boxes keep stage order.
    for (const StageFault& fault : stageFaults(outcome))
        platform.showMessage(stageFaultText(fault.message, P, fault.step, numbers_.decimal));
}

bool MainWindow::confirmExport(const ParamSet& written, ExportSource source)
{
    if (!resultsOfOtherProject_ && sameInputs(written, P)) return true;
    switch (platform.askStaleResults(uiText("Calculation", kStaleExportQuestion))) {
    case StaleChoice::SaveAsIs:
        return true;
    case StaleChoice::Recalculate:
        calculate();
        // The report writes the grid's text: it must show the new run too.
        if (source == ExportSource::Grid || results_->showsResults()) results_->refreshResults();
        return R.computedWith() != nullptr;
    case StaleChoice::Cancel:
        break;
    }
    return false;
}

bool MainWindow::haveResultsOrSay()
{
    // An empty chart would look like a run whose values are all zero.
    if (R.computedWith()) return true;
    platform.showMessage(uiText("Calculation", kNoResultsMessage));
    return false;
}

void MainWindow::showMoEChart()
{
    if (haveResultsOrSay()) showFilled(side_.moeChart);
}

void MainWindow::showQuantityChart()
{
    QuantityChartWindow* chart = side_.quantityChart;
    if (!haveResultsOrSay() || !chart) return;
    const BusyCursor busy(platform);
    if (chart->isVisible())
        bringToFront(chart);
    else
        chart->show();
}

void MainWindow::showSummary()
{
    SummaryWindow* summary = side_.summary;
    if (!summary) return;
    const BusyCursor busy(platform);
    summary->setDelta(P.delta); // undo or a project may have changed it
    summary->refresh();
    results_->showSummaryTab();
    bringToFront(this);
}

void MainWindow::showFlywheelChart()
{
    if (haveResultsOrSay()) showFilled(side_.flywheelChart);
}

template <class Chart> void MainWindow::showFilled(Chart* chart)
{
    if (!chart) return;
    // Filling the chart reads every step of the run.
    const BusyCursor busy(platform);
    // A hidden window fills itself as it is shown; a shown one would not run that handler
    // again, so it is refilled here rather than left with an older run.
    if (chart->isVisible()) {
        chart->fill();
        bringToFront(chart);
    } else {
        chart->show();
    }
}

void MainWindow::showAbout()
{
    if (!side_.about) return;
    side_.about->show();
    side_.about->raise();
    side_.about->activateWindow(); // so that Esc reaches it
}

void MainWindow::quit()
{
    if (close()) QCoreApplication::quit(); // unless the user chose to keep working
}

void MainWindow::runGuarded(const std::function<void()>& command)
{
    runCommand(platform, command);
}

void MainWindow::toggleIndicator()
{
    indicatorAction->setChecked(!indicatorAction->isChecked());
}

bool MainWindow::autoRecalcEnabled() const
{
    return autoRecalc_->enabled();
}

void MainWindow::setAutoRecalcEnabled(bool on)
{
    if (autoRecalcAction->isChecked() != on) autoRecalcAction->setChecked(on); // comes back here
    if (autoRecalc_->enabled() == on) return;
    platform.rememberFlag(kAutoRecalcKey, on);
    autoRecalc_->setEnabled(on);
}

bool MainWindow::recalculating() const
{
    return autoRecalc_->busy();
}

void MainWindow::followRecalculation(const CalcOutcome& outcome)
{
    runGuarded([this, &outcome] {
        resultsOfOtherProject_ = false;
        updateStaleLine();
        // The grid and the listing follow only once they were asked to show results.
        if (results_->showsResults())
            results_->refreshResults();
        else
            results_->storeRewritten();
        if (side_.summary && side_.summary->isVisible()) {
            side_.summary->setDelta(P.delta);
            side_.summary->refresh();
        }
        if (side_.moeChart && side_.moeChart->isVisible()) side_.moeChart->fill();
        if (side_.flywheelChart && side_.flywheelChart->isVisible()) side_.flywheelChart->fill();
        if (side_.quantityChart && side_.quantityChart->isVisible())
            side_.quantityChart->quantityChosen();
        // A box at every keystroke would stop the typing: the faults go to the memo instead.
        const ParamSet& run = *R.computedWith();
        QStringList faults;
        if (const std::string reach = rodReachText(checkRodReach(run), numbers_.decimal);
            !reach.empty())
            faults << QString::fromStdString(reach);
        if (const std::string points = pointMismatchText(checkPoints(run), numbers_.decimal);
            !points.empty())
            faults << QString::fromStdString(points);
        if (const auto jump = checkBranchJump(run))
            faults << QString::fromStdString(branchJumpText(*jump, numbers_.decimal));
        for (const StageFault& fault : stageFaults(outcome))
            faults << QString::fromStdString(
                stageFaultText(fault.message, run, fault.step, numbers_.decimal));
        if (const std::string stop = runStopText(R, numbers_.decimal); !stop.empty())
            faults << QString::fromStdString(stop);
        if (!faults.isEmpty()) results_->setListingText(faults.join(QLatin1Char('\n')));
    });
    emit resultsReplaced();
}
