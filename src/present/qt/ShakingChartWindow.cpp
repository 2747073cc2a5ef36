// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ShakingChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>

#include "base/UiText.h"
#include "calc/Balancing.h"
#include "calc/Calculation.h"
#include "calc/FigureRun.h"
#include "calc/Quantities.h"
#include "platform/Command.h"
#include "present/qt/ChartWindow.h"

namespace {

// Asked for when used, so that the language installed at the start applies.
QString titleText()
{
    return QCoreApplication::translate("ShakingChartWindow", "Годограф сотрясающей силы");
}

// The chart takes the series it draws: they live and die with it, outside the window's tree.
QLineSeries* makeSeries(const char* name, const QString& title, const QPen& pen, QChart* chart)
{
    auto* s = new QLineSeries(chart);
    s->setObjectName(name);
    s->setName(title);
    s->setPen(pen);
    chart->addSeries(s);
    return s;
}

} // namespace

ShakingChartWindow::ShakingChartWindow(const ResultStore& store, Platform& platform,
                                       QWidget* parent)
    : QWidget(parent), R(store), platform(platform)
{
    setObjectName("shakingChart");
    setWindowTitle(titleText());
    setChartWindowFrame(this, 300, 150, 640, 640);
    setMinimumSize(320, 320);

    auto* layout = new QVBoxLayout(this);
    note_ = new QLabel(this);
    note_->setObjectName("shakingNote");
    note_->setWordWrap(true);
    layout->addWidget(note_);

    auto* chart = new QChart;
    chart->setTitle(titleText());
    chart->setTitleBrush(Qt::red);
    chart->setMargins(QMargins(8, 5, 8, 8));
    chart->legend()->setAlignment(Qt::AlignTop);
    view_ = new QChartView(chart, this);
    view_->setObjectName("hodographView");
    view_->setRenderHint(QPainter::Antialiasing);
    QPen solid(QColor(0, 64, 192), 2);
    QPen dashed(QColor(128, 128, 128), 1.5);
    dashed.setStyle(Qt::DashLine);
    without_ = makeSeries("withoutCounterweightSeries", tr("без противовеса"), dashed, chart);
    hodograph_ = makeSeries("hodographSeries", QStringLiteral("F_sh"), solid, chart);
    cursor_ = new QScatterSeries(chart);
    cursor_->setObjectName("cursorPoint");
    cursor_->setName(tr("курсор"));
    cursor_->setMarkerSize(10);
    cursor_->setColor(Qt::red);
    chart->addSeries(cursor_);
    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(tr("F_sh,x, Н"));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(tr("F_sh,y, Н"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (QXYSeries* s : {static_cast<QXYSeries*>(without_), static_cast<QXYSeries*>(hodograph_),
                         static_cast<QXYSeries*>(cursor_)}) {
        s->attachAxis(xAxis);
        s->attachAxis(yAxis);
    }
    layout->addWidget(view_, 1);
}

void ShakingChartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown anew.
    if (!event->spontaneous()) {
        fitToAvailableArea(this);
        runCommand(platform, [this] { fill(); });
    }
}

void ShakingChartWindow::setResultsStale(bool stale)
{
    setWindowTitle(chartWindowTitle(titleText(), stale));
}

void ShakingChartWindow::fill()
{
    hodograph_->clear();
    without_->clear();
    const ParamSet* run = R.computedWith();
    if (!run || R.computedSteps() < 1) {
        note_->setText(QString::fromStdString(uiText("Calculation", kNoResultsMessage)));
        cursor_->clear();
        return;
    }
    const FigureRun figures(R, *run, R.computedSteps(), run->period);
    const ResultStore& F = figures.store();
    const ParamSet& fp = figures.params();
    QList<QPointF> with, without;
    double reach = 0;
    for (int i = 1; i <= figures.steps(); ++i) {
        const QPointF f(double(F(Quantity::fshx, i)), double(F(Quantity::fshy, i)));
        with.append(f);
        reach = std::max({reach, std::fabs(f.x()), std::fabs(f.y())});
        if (run->m_cw != 0) {
            const PlanePoint w = shakingForceWithoutCounterweight(F, fp, i);
            without.append(QPointF(double(w.x), double(w.y)));
            reach = std::max({reach, std::fabs(double(w.x)), std::fabs(double(w.y))});
        }
    }
    note_->setText(run->m_cw != 0 ? tr("Сила на стойку за период: с противовесом и без него")
                                  : tr("Сила на стойку за период"));
    // One scale on both axes about the origin: the hodograph of a rotating unbalance is a circle.
    if (!(reach > 0)) reach = 1;
    QChart* chart = view_->chart();
    const char decimal = platform.localeDecimalSeparator();
    for (QAbstractAxis* axis : chart->axes()) {
        auto* value = qobject_cast<QValueAxis*>(axis);
        value->setRange(-reach * 1.05, reach * 1.05);
        value->applyNiceNumbers();
    }
    localizeAxes(chart, decimal);
    hodograph_->replace(with);
    without_->replace(without);
    showStep(step_);
}

void ShakingChartWindow::showStep(int step)
{
    step_ = step;
    cursor_->clear();
    if (!R.computedWith() || step < 1 || step > R.computedSteps()) return;
    cursor_->append(double(R(Quantity::fshx, step)), double(R(Quantity::fshy, step)));
}
