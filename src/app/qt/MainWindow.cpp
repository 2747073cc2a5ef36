// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

#include "app/qt/AboutWindow.h"
#include "app/qt/ProjectController.h"
#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/Command.h"
#include "platform/qt/ProgressIndicator.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/UiLook.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsPanel.h"

namespace {

constexpr int kFadeStep = 15;
constexpr int kOpaque = 255;

void bringToFront(QWidget* w)
{
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

} // namespace

MainWindow::MainWindow(Platform& platform, ParamSet& params, ResultStore& store, QWidget* parent)
    : QMainWindow(parent), platform(platform), P(params),
      R(store), numbers_{platform.localeDecimalSeparator()}
{
    setObjectName("mainWindow");
    setWindowTitle(QStringLiteral("Kinovar (ver.1.3)"));
    // Fixed single border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(uiFont(11));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(713, 552);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, kSkyBlue);
    client->setPalette(pal);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    progress_ = new ProgressIndicator(client, this);
    results_ = new ResultsPanel(client, P, R, platform, *progress_, numbers_, this);
    parameters_ = new ParameterPanel(client, P, platform, *progress_, numbers_, this);
    runSettings_ = new RunSettingsPanel(client, P, *parameters_, platform, numbers_, this);
    animation_ = new AnimationPanel(client, P, R, platform, *progress_, numbers_, this);
    project_ = new ProjectController(this, platform, P, *parameters_, *runSettings_, numbers_);
    // Tab order as it always was: the mode box after the run settings, the grid last. The panels
    // keep their controls to themselves; the window knows them by their object names.
    const auto control = [client](const char* name) { return client->findChild<QWidget*>(name); };
    setTabOrder(control("cycleEditButton"), control("modeBox"));
    setTabOrder(control("rendererItem1"), control("grid"));

    connect(parameters_, &ParameterPanel::listingText, results_, &ResultsPanel::setListingText);
    connect(results_, &ResultsPanel::reportOpened, parameters_, &ParameterPanel::refreshLabels);

    buildMenu();
    // The client area is fixed; the menu bar sits above it.
    setFixedSize(713, 552 + menuBar()->sizeHint().height());
    keepOnScreenWhenShown(this);

    parameters_->resetToDefaults();

    setOpacity(0);
    fadeTimer = new QTimer(this);
    fadeTimer->setObjectName("fadeTimer");
    fadeTimer->setInterval(1);
    connect(fadeTimer, &QTimer::timeout, this, [this] { fadeInStep(); });
    fadeTimer->start();
}

MainWindow::~MainWindow() = default;

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

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange && parameters_) {
        numbers_.decimal = platform.localeDecimalSeparator();
        parameters_->showValues();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::calculate()
{
    results_->setListingText(QString::fromUtf8(kCalcMemo));
    const CalcOutcome outcome = [this] {
        const BusyCursor busy(platform);
        return runCalculation(P, R);
    }();
    // The grid's text is the old run's until the next refresh; its full values are gone.
    results_->storeRewritten();
    // The stages run to the end before any box is shown; the boxes keep stage order.
    if (outcome.kinematicFailed)
        platform.showMessage(
            stageFaultText(kKinematicFault, P, outcome.kinematicFaultStep, numbers_.decimal));
    if (outcome.energyFailed)
        platform.showMessage(
            stageFaultText(kEnergyFault, P, outcome.energyFaultStep, numbers_.decimal));
    if (outcome.forceFailed)
        platform.showMessage(
            stageFaultText(kForceFault, P, outcome.forceFaultStep, numbers_.decimal));
}

void MainWindow::showMoEChart()
{
    MoEChartWindow* chart = side_.moeChart;
    if (!chart) return;
    // Filling the chart reads every step of the run.
    const BusyCursor busy(platform);
    // Both ways the show handler clears the two series before it fills them.
    if (chart->isVisible()) {
        // Already shown: its show handler will not run, so refill here rather than leave it empty.
        chart->fill();
        bringToFront(chart);
    } else {
        chart->show();
    }
}

void MainWindow::showQuantityChart()
{
    QuantityChartWindow* chart = side_.quantityChart;
    if (!chart) return;
    const BusyCursor busy(platform);
    if (chart->isVisible())
        bringToFront(chart);
    else
        chart->show();
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
