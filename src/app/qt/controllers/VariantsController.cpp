// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/controllers/VariantsController.h"

#include <QAction>
#include <QMenu>

#include "app/qt/controllers/ProjectController.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "calc/Variant.h"
#include "platform/Command.h"
#include "platform/qt/ScreenFit.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/VariantsWindow.h"

namespace {

// Told apart from the run's own red, green and blue, and from each other.
const QColor kPalette[] = {QColor(230, 120, 0), QColor(140, 60, 200), QColor(0, 150, 150),
                           QColor(200, 0, 120), QColor(120, 100, 40), QColor(90, 90, 90),
                           QColor(0, 90, 200),  QColor(160, 160, 0)};

// A variant keeps only its name, inputs and figures: the name carries where its run stopped,
// so that the window, the project and the document all show that its figures are partial.
void markStopped(Variant& v, const ResultStore& run, char decimal)
{
    const std::string stop = runStopShortText(run, decimal);
    if (!stop.empty()) v.name += " (" + stop + ")";
}

} // namespace

VariantsController::VariantsController(Platform& platform, const ParamSet& params,
                                       const ResultStore& store, ProjectController& project,
                                       const NumberFormat& numbers, VariantsWindow& window,
                                       MoEChartWindow* moeChart, QuantityChartWindow* quantityChart,
                                       QObject* parent)
    : QObject(parent), platform(platform), P(params), R(store), project(project), numbers(numbers),
      window(window), moeChart(moeChart), quantityChart(quantityChart)
{
    const OverlaySource source = [this](const std::vector<int>& rows) { return overlays(rows); };
    if (moeChart) moeChart->setOverlaySource(source);
    if (quantityChart) quantityChart->setOverlaySource(source);
    connect(&project, &ProjectController::variantsChanged, this, [this] {
        curves_.clear();
        refreshWindow();
        refreshCharts();
    });
    connect(&window, &VariantsWindow::chartChoiceChanged, this, [this] { refreshCharts(); });
    connect(&window, &VariantsWindow::restoreRequested, this, [this](size_t v) {
        runCommand(this->platform, [&] { this->project.restoreVariant(v); });
    });
    connect(&window, &VariantsWindow::removeRequested, this, [this](size_t v) {
        runCommand(this->platform, [&] { this->project.removeVariant(v); });
    });
    // Queued: the rename refills the table, which must not happen inside the signal of the item
    // being edited.
    connect(
        &window, &VariantsWindow::renameRequested, this,
        [this](size_t v, const std::string& name) {
            runCommand(this->platform, [&] { this->project.renameVariant(v, name); });
        },
        Qt::QueuedConnection);
}

VariantsController::~VariantsController() = default;

void VariantsController::addMenuItems(QMenu* operations, QMenu* view)
{
    QAction* keep = operations->addAction(tr("Запомнить вариант"));
    keep->setObjectName("keepVariantAction");
    keep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(keep, &QAction::triggered, this,
            [this] { runCommand(platform, [this] { keepCurrent(); }); });
    QAction* show = view->addAction(tr("Варианты"));
    show->setObjectName("variantsAction");
    connect(show, &QAction::triggered, this,
            [this] { runCommand(platform, [this] { showWindow(); }); });
}

void VariantsController::keepCurrent()
{
    const ParamSet* run = R.computedWith();
    if (!run) {
        platform.showMessage(uiText("Calculation", kNoResultsMessage));
        return;
    }
    if (resultsStale(P, R)) {
        platform.showMessage(uiText("Calculation", kStaleResultsText));
        return;
    }
    const std::string suggested = tr("Вариант %1").arg(project.variants().size() + 1).toStdString();
    const auto name = platform.askText(tr("Имя варианта:").toStdString(), suggested);
    if (!name) return;
    Variant v;
    v.name = QString::fromStdString(*name).trimmed().toStdString();
    if (v.name.empty()) v.name = suggested;
    v.params = *run;
    v.params.delta = P.delta; // the δ on screen sizes the flywheel, as in the summary
    markStopped(v, R, numbers.decimal);
    {
        const BusyCursor busy(platform);
        v.figures = keyFigureValues(
            summarizeRun(R, v.params, R.computedSteps(), summaryOptions(v.params, P.delta)));
    }
    project.keepVariant(std::move(v));
}

void VariantsController::keepOffered(const ParamSet& params, const QString& suggested)
{
    const auto name = platform.askText(tr("Имя варианта:").toStdString(), suggested.toStdString());
    if (!name) return;
    Variant v;
    v.name = QString::fromStdString(*name).trimmed().toStdString();
    if (v.name.empty()) v.name = suggested.toStdString();
    v.params = params;
    {
        const BusyCursor busy(platform);
        if (!scratch_) scratch_ = std::make_unique<ResultStore>();
        scratch_->clearSteps(ResultStore::kSteps);
        runCalculation(v.params, *scratch_);
        v.figures = keyFigureValues(summarizeRun(*scratch_, v.params, scratch_->computedSteps(),
                                                 summaryOptions(v.params, v.params.delta)));
        markStopped(v, *scratch_, numbers.decimal);
    }
    project.keepVariant(std::move(v));
}

void VariantsController::showWindow()
{
    refreshWindow();
    window.show();
    bringToFront(&window);
}

void VariantsController::followResults()
{
    if (window.isVisible()) refreshWindow();
}

void VariantsController::refreshWindow()
{
    CurrentFigures current;
    if (const ParamSet* run = R.computedWith()) {
        const BusyCursor busy(platform);
        current = keyFigureValues(
            summarizeRun(R, *run, R.computedSteps(), summaryOptions(*run, P.delta)));
    }
    window.showVariants(project.variants(), current);
}

void VariantsController::refreshCharts()
{
    if (moeChart && moeChart->isVisible()) runCommand(platform, [this] { moeChart->fill(); });
    if (quantityChart && quantityChart->isVisible())
        runCommand(platform, [this] { quantityChart->quantityChosen(); });
}

std::vector<ChartOverlay> VariantsController::overlays(const std::vector<int>& rows)
{
    std::vector<ChartOverlay> out;
    const std::vector<size_t> chosen = window.chosenForCharts();
    if (chosen.empty() || rows.empty()) return out;
    const BusyCursor busy(platform);
    const auto& variants = project.variants();
    for (size_t v : chosen) {
        if (v >= variants.size()) continue;
        auto [cached, fresh] = curves_.try_emplace({v, rows});
        if (fresh) {
            if (!scratch_) scratch_ = std::make_unique<ResultStore>();
            cached->second = variantCurves(variants[v].params, rows, *scratch_);
        }
        const std::vector<Curve>& curves = cached->second;
        for (size_t k = 0; k < rows.size(); ++k) {
            ChartOverlay o;
            QString row = QString::fromUtf8(rowName(rows[k]));
            if (!row.isEmpty()) row[0] = row[0].toUpper(); // "Mo", "E", as the chart names them
            o.name = QString::fromStdString(variants[v].name);
            if (rows.size() > 1) o.name = row + QStringLiteral(": ") + o.name;
            o.colour = kPalette[v % std::size(kPalette)];
            o.style = k == 0 ? Qt::DashLine : Qt::DotLine;
            o.points.reserve(qsizetype(curves[k].size()));
            for (const auto& [x, y] : curves[k])
                o.points.append(QPointF(double(x), double(y)));
            out.push_back(std::move(o));
        }
    }
    return out;
}
