// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/MoEChartWindow.h"

#include <QChart>
#include <QLineSeries>
#include <QMenu>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValueAxis>

#include "platform/Command.h"
#include "present/qt/ChartImage.h"
#include "present/qt/ChartParts.h"
#include "present/qt/ChartView.h"
#include "present/qt/ChartWindow.h"

namespace {

QLineSeries* makeSeries(const char* name, const QString& title, const QColor& colour,
                        QObject* owner)
{
    auto* s = new QLineSeries(owner);
    s->setObjectName(name);
    s->setName(title);
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    s->setPen(pen);
    return s;
}

} // namespace

namespace {

// The window's size as it opens, and the chart's margins within it.
constexpr int kWidth = 862, kHeight = 606;
const QMargins kChartMargins(16, 8, 13, 29);

} // namespace

MoEChartWindow::MoEChartWindow(const ParamSet&, const ResultStore& store, Platform& platform,
                               QWidget* parent)
    : QWidget(parent), R(store), platform(platform)
{
    setObjectName("moeChartWindow");
    setWindowTitle(tr("Графики"));
    setChartWindowFrame(this, 254, 110, kWidth, kHeight);
    setMinimumSize(320, 240);

    chart = new QChart;
    styleChart(chart, tr("Графики Mo и E"));

    chart->addAxis(new QValueAxis, Qt::AlignBottom);
    chart->addAxis(new QValueAxis, Qt::AlignLeft);
    chartView = new MarkedChartView(chart, this);
    chartView->setObjectName("chartView");
    chartView->setDecimal(platform.localeDecimalSeparator());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kChartMargins);
    layout->addWidget(chartView);
    chartView->setAxisTitles(crankAngleAxisTitle(), tr("Mo, Н·м; E, Дж"));
    moSeries = makeSeries("moSeries", QStringLiteral("Mo"), Qt::red, this);
    eSeries = makeSeries("eSeries", QStringLiteral("E"), QColor(0, 128, 0), this); // not lime
    chartView->addSeries(moSeries, QColor(0, 128, 255), true);
    chartView->addSeries(eSeries, QColor(255, 255, 128), true);
    chartView->setReadoutQuantity(moSeries, QStringLiteral("Mo"), tr("Н·м"));
    chartView->setReadoutQuantity(eSeries, QStringLiteral("E"), tr("Дж"));

    popupMenu = new QMenu(this);
    popupMenu->setObjectName("popupMenu");
    moMarksAction = popupMenu->addAction(tr("Отображать значения Mo"));
    moMarksAction->setObjectName("moMarksAction");
    eMarksAction = popupMenu->addAction(tr("Отображать значения E"));
    eMarksAction->setObjectName("eMarksAction");
    for (QAction* a : {moMarksAction, eMarksAction}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(moMarksAction, &QAction::toggled, this,
            guarded(platform, [this](bool on) { chartView->setMarksVisible(moSeries, on); }));
    connect(eMarksAction, &QAction::toggled, this,
            guarded(platform, [this](bool on) { chartView->setMarksVisible(eSeries, on); }));
    everyMarkAction = popupMenu->addAction(tr("Все значения"));
    everyMarkAction->setObjectName("everyMarkAction");
    everyMarkAction->setCheckable(true);
    connect(everyMarkAction, &QAction::toggled, this,
            guarded(platform, [this](bool on) { chartView->setEveryMark(on); }));
    popupMenu->addSeparator();
    const ChartViewActions view =
        addChartViewActions(popupMenu, this, platform, chart, [this] { saveImage(); });
    zoomResetAction = view.zoomReset;
    saveImageAction = view.saveImage;
    chartView->setPopupMenu(popupMenu);
    layout->activate(); // the chart has its place before the window is first shown
}

void MoEChartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown anew.
    // Shown from a command or by the window system: the filling is a command of its own.
    if (!event->spontaneous()) {
        fitToAvailableArea(this);
        runCommand(platform, [this] { fill(); });
    }
}

void MoEChartWindow::setResultsStale(bool stale)
{
    setWindowTitle(chartWindowTitle(tr("Графики"), stale));
}

void MoEChartWindow::fill()
{
    const QList<QPointF> mo = rowPoints(R, rowOf(Quantity::mo));
    const QList<QPointF> e = rowPoints(R, rowOf(Quantity::e));
    // Ranges first, while the series are empty: each range change would otherwise recompute
    // the geometry of every point.
    moSeries->clear();
    eSeries->clear();
    chartView->setOverlays(overlaySource_
                               ? overlaySource_({rowOf(Quantity::mo), rowOf(Quantity::e)})
                               : std::vector<ChartOverlay>{});
    chartView->setDecimal(platform.localeDecimalSeparator());
    chartView->fitAxes({&mo, &e});
    moSeries->replace(mo);
    eSeries->replace(e);
}

void MoEChartWindow::toggleMoMarks()
{
    moMarksAction->setChecked(!moMarksAction->isChecked());
}

void MoEChartWindow::toggleEMarks()
{
    eMarksAction->setChecked(!eMarksAction->isChecked());
}

void MoEChartWindow::saveImage()
{
    saveChartImage(platform, chartView);
}
