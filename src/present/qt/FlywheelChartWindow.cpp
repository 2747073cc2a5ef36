// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/FlywheelChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLabel>
#include <QLineSeries>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <string>

#include "calc/Calculation.h"
#include "platform/Command.h"
#include "present/SummaryText.h"
#include "present/qt/ChartParts.h"
#include "present/qt/ChartView.h"
#include "present/qt/ChartWindow.h"

namespace {

// Asked for when used, so that the language installed at the start applies.
QString windowTitleText()
{
    return QCoreApplication::translate("FlywheelChartWindow", "Маховик");
}
QString surplusTitle()
{
    return QCoreApplication::translate("FlywheelChartWindow", "Избыточная работа ΔT");
}

} // namespace

FlywheelChartWindow::FlywheelChartWindow(const ResultStore& store, Platform& platform,
                                         std::function<SummaryOptions()> options, QWidget* parent)
    : QWidget(parent), R(store), platform(platform), options_(std::move(options))
{
    setObjectName("flywheelChart");
    setWindowTitle(windowTitleText());
    setChartWindowFrame(this, 284, 140, 862, 606);
    setMinimumSize(320, 240);

    auto* layout = new QVBoxLayout(this);
    error_ = new QLabel(this);
    error_->setObjectName("flywheelError");
    error_->setWordWrap(true);
    error_->setAlignment(Qt::AlignCenter);
    error_->hide();
    layout->addWidget(error_);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("flywheelTabs");
    layout->addWidget(tabs_);

    surplusView_ = styledChartView(surplusTitle(), crankAngleAxisTitle(), tr("ΔT, Дж"),
                                   "surplusView", tabs_);
    surplus_ = namedSeries("surplusSeries", QStringLiteral("ΔT"), curvePen(Qt::red), this);
    surplusMax_ =
        namedSeries("surplusMaxSeries", QStringLiteral("max ΔT"), levelPen(Qt::blue), this);
    surplusMin_ =
        namedSeries("surplusMinSeries", QStringLiteral("min ΔT"), levelPen(Qt::blue), this);
    surplusView_->addSeries(surplus_, QColor(0, 128, 255), false);
    surplusView_->addSeries(surplusMax_, QColor(255, 255, 128), false);
    surplusView_->addSeries(surplusMin_, QColor(255, 255, 128), false);
    surplusView_->setReadoutQuantity(surplus_, QStringLiteral("ΔT"), tr("Дж"));
    tabs_->addTab(surplusView_, QStringLiteral("ΔT"));

    momentView_ = styledChartView(tr("Приведенный момент Mo и движущий момент M_d"),
                                  crankAngleAxisTitle(), tr("Mo, M_d, Н·м"), "momentView", tabs_);
    mo_ = namedSeries("moSeries", QStringLiteral("Mo"), curvePen(Qt::red), this);
    meanMoment_ =
        namedSeries("meanMomentSeries", QStringLiteral("M_d"), levelPen(QColor(0, 128, 0)), this);
    momentView_->addSeries(mo_, QColor(0, 128, 255), false);
    momentView_->addSeries(meanMoment_, QColor(255, 255, 128), false);
    momentView_->setReadoutQuantity(mo_, QStringLiteral("Mo"), tr("Н·м"));
    momentView_->setReadoutQuantity(meanMoment_, QStringLiteral("M_d"), tr("Н·м"));
    tabs_->addTab(momentView_, tr("Mo и M_d"));

    // The diagram's curve closes on itself, so it is not a function of x as MarkedChartView's
    // series must be; a plain chart draws the few hundred points of a period well enough.
    auto* energyMassChart = new QChart;
    energyMassChart->setTitle(tr("Диаграмма энергомасс"));
    energyMassChart->setTitleFont(surplusView_->chart()->titleFont());
    energyMassChart->setTitleBrush(Qt::red);
    energyMassChart->setMargins(QMargins(8, 5, 8, 8));
    energyMassChart->legend()->hide();
    energyMass_ = namedSeries("energyMassSeries", tr("ΔT(J_пр)"), curvePen(QColor(128, 0, 128)),
                              energyMassChart);
    energyMassChart->addSeries(energyMass_);
    auto* jAxis = new QValueAxis;
    jAxis->setTitleText(tr("J_пр, кг·м²"));
    auto* tAxis = new QValueAxis;
    tAxis->setTitleText(tr("ΔT, Дж"));
    energyMassChart->addAxis(jAxis, Qt::AlignBottom);
    energyMassChart->addAxis(tAxis, Qt::AlignLeft);
    energyMass_->attachAxis(jAxis);
    energyMass_->attachAxis(tAxis);
    energyMassView_ = new QChartView(energyMassChart, tabs_);
    energyMassView_->setObjectName("energyMassView");
    energyMassView_->setRenderHint(QPainter::Antialiasing);
    tabs_->addTab(energyMassView_, tr("Энергомассы"));
}

void FlywheelChartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown anew.
    if (!event->spontaneous()) {
        fitToAvailableArea(this);
        runCommand(platform, [this] { fill(); });
    }
}

void FlywheelChartWindow::setResultsStale(bool stale)
{
    setWindowTitle(chartWindowTitle(windowTitleText(), stale));
}

void FlywheelChartWindow::fill()
{
    for (QLineSeries* s : {surplus_, surplusMax_, surplusMin_, mo_, meanMoment_, energyMass_})
        s->clear();
    const char decimal = platform.localeDecimalSeparator();
    const ParamSet* run = R.computedWith();
    std::string error = tr("нет результатов расчёта").toStdString();
    const SummaryOptions options = options_();
    // The chart shows the flywheel the summary sizes: that of the figures' period run.
    std::optional<FigureRun> figures;
    if (run) figures.emplace(R, *run, R.computedSteps(), options.period);
    const std::optional<FlywheelSizing> f =
        figures
            ? sizeFlywheel(figures->store(), figures->params(), figures->steps(), options, &error)
            : std::nullopt;
    error_->setVisible(!f);
    tabs_->setVisible(f.has_value());
    if (!f) {
        surplusView_->chart()->setTitle(surplusTitle());
        error_->setText(QString::fromStdString(error));
        return;
    }

    QList<QPointF> surplus, mo, energyMass;
    bool inertiaFinite = true;
    for (std::size_t k = 0; k < f->surplus.size(); ++k) {
        const int step = f->firstStep + static_cast<int>(k);
        const ResultStore& F = figures->store();
        const double x = static_cast<double>(crankAngleDegrees(figures->params(), step));
        surplus.append(QPointF(x, static_cast<double>(f->surplus[k])));
        mo.append(QPointF(x, static_cast<double>(F(Quantity::mo, step))));
        // T = J·ω²/2 of the whole mechanism gives the inertia reduced to the crank.
        const long double w = F(Quantity::fit, step);
        const long double inertia =
            2 * (F(Quantity::ek1, step) + F(Quantity::ek2, step) + F(Quantity::ek3, step)) /
            (w * w);
        inertiaFinite = inertiaFinite && std::isfinite(inertia);
        if (inertiaFinite)
            energyMass.append(
                QPointF(static_cast<double>(inertia), static_cast<double>(f->surplus[k])));
    }
    long double high = 0, low = 0;
    if (!f->surplus.empty()) {
        const auto [lo, hi] = std::minmax_element(f->surplus.begin(), f->surplus.end());
        high = *hi;
        low = *lo;
    }
    const QList<QPointF> highLine = levelLine(surplus, high);
    const QList<QPointF> lowLine = levelLine(surplus, low);
    const QList<QPointF> mdLine = levelLine(mo, f->meanMoment);
    // The swing goes in the title: the legend keeps the names the series were added with.
    surplusView_->chart()->setTitle(
        surplusTitle() +
        tr(": ΔT_max = %1 Дж").arg(QString::fromStdString(summaryFigure(f->energySwing, decimal))));

    // Ranges first, while the series are empty (see MoEChartWindow::fill).
    surplusView_->setDecimal(decimal);
    momentView_->setDecimal(decimal);
    surplusView_->fitAxes({&surplus});
    momentView_->fitAxes({&mo, &mdLine});
    surplus_->replace(surplus);
    surplusMax_->replace(highLine);
    surplusMin_->replace(lowLine);
    mo_->replace(mo);
    meanMoment_->replace(mdLine);
    fitEnergyMassAxes(energyMass, decimal);
    energyMass_->replace(energyMass);
}

void FlywheelChartWindow::fitEnergyMassAxes(const QList<QPointF>& points, char decimal)
{
    QChart* chart = energyMassView_->chart();
    auto* jAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    auto* tAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    double jLow = 0, jHigh = 1, tLow = 0, tHigh = 1;
    if (!points.isEmpty()) {
        jLow = jHigh = points.front().x();
        tLow = tHigh = points.front().y();
        for (const QPointF& p : points) {
            jLow = std::min(jLow, p.x());
            jHigh = std::max(jHigh, p.x());
            tLow = std::min(tLow, p.y());
            tHigh = std::max(tHigh, p.y());
        }
    }
    // A flat range would leave the axis without a scale.
    if (jHigh == jLow) jHigh = jLow + 1;
    if (tHigh == tLow) tHigh = tLow + 1;
    jAxis->setRange(jLow, jHigh);
    tAxis->setRange(tLow, tHigh);
    jAxis->applyNiceNumbers();
    tAxis->applyNiceNumbers();
    localizeAxes(chart, decimal);
}
