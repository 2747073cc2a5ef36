// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/Chart3DView.h"

#include <QChart>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>
#include <QXYSeries>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QColor kWall(236, 236, 236);
const QColor kWallEdge(128, 128, 128);
const QColor kGrid(180, 180, 180);

// Tick values of a value axis with a fixed tick count, as the axis itself spaces them.
std::vector<double> ticks(const QValueAxis* axis)
{
    std::vector<double> out;
    if (!axis || axis->tickCount() < 2) return out;
    const int n = axis->tickCount();
    for (int k = 0; k < n; ++k)
        out.push_back(axis->min() + (axis->max() - axis->min()) * k / (n - 1));
    return out;
}

// A value label as a value axis with no label format writes it: one decimal more than the tick
// interval needs, in the chart's number locale.
QString axisLabel(const QChart* chart, const QValueAxis* axis, double v)
{
    const double interval = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    const int decimals = interval > 0 ? std::max(int(-std::floor(std::log10(interval))), 0) + 1 : 1;
    return chart->localizeNumbers() ? chart->locale().toString(v, 'f', decimals)
                                    : QString::number(v, 'f', decimals);
}

} // namespace

Chart3DView::Chart3DView(QChart* chart, QWidget* parent) : MarkedChartView(chart, parent)
{
    // The walls are painted behind the chart's items, so the chart has no background of its own;
    // the title is painted here too, above the back wall, where the chart would not put it.
    chart->setBackgroundVisible(false);
    chart->setTitleBrush(Qt::transparent);
    // The value labels' width decides the left margin.
    if (QValueAxis* ay = axisY())
        connect(ay, &QValueAxis::rangeChanged, this, [this] { layoutPlotArea(); });
    // So do the axis titles, beside the labels.
    for (QValueAxis* a : {axisX(), axisY()})
        if (a) connect(a, &QAbstractAxis::titleTextChanged, this, [this] { layoutPlotArea(); });
    setBackgroundBrush(Qt::white);
    setRenderHint(QPainter::Antialiasing, false);
}

void Chart3DView::resizeEvent(QResizeEvent* event)
{
    MarkedChartView::resizeEvent(event);
    layoutPlotArea();
}

void Chart3DView::setTitle(const QString& title)
{
    chart()->setTitle(title);
    layoutPlotArea();
    viewport()->update();
}

QRectF Chart3DView::titleRect() const
{
    const QFontMetricsF tm(chart()->titleFont());
    const QRectF room(8, 8, std::max(1, width() - 16), tm.height() * 4);
    QRectF r =
        tm.boundingRect(room, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, chart()->title());
    r.setHeight(std::max(r.height(), tm.height())); // an empty title keeps its line
    return QRectF(room.left(), room.top(), room.width(), r.height());
}

void Chart3DView::layoutPlotArea()
{
    QFont labelFont;
    double xTitle = 0, yTitle = 0; // room the axis titles take beside their labels
    if (QValueAxis* ay = axisY()) {
        labelFont = ay->labelsFont();
        if (!ay->titleText().isEmpty()) yTitle = QFontMetricsF(ay->titleFont()).height() + 4;
    }
    if (QValueAxis* ax = axisX())
        if (!ax->titleText().isEmpty()) xTitle = QFontMetricsF(ax->titleFont()).height() + 4;
    const QFontMetricsF labels(labelFont);
    double widest = labels.horizontalAdvance(QStringLiteral("-0000.0"));
    if (QValueAxis* ay = axisY())
        for (double v : ticks(ay))
            widest = std::max(widest, labels.horizontalAdvance(axisLabel(chart(), ay, v)));
    const double left = 14 + widest + yTitle;
    const double top = titleRect().bottom() + 8 + kDepth;
    const double right = 16 + kDepth;
    const double bottom = 10 + 2 * labels.height() + xTitle;
    const QRectF all(QPointF(0, 0), QSizeF(size()));
    chart()->setPlotArea(all.adjusted(left, top, -right, -bottom));
}

void Chart3DView::drawBackground(QPainter* painter, const QRectF& rect)
{
    MarkedChartView::drawBackground(painter, rect);
    painter->save();
    painter->setFont(chart()->titleFont());
    painter->setPen(Qt::black);
    painter->drawText(titleRect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                      chart()->title());
    painter->restore();

    const QRectF plot = chart()->plotArea();
    if (plot.isEmpty()) return;
    const QPointF d = depth();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Left wall and floor, filled; the back wall only outlined.
    const QPolygonF leftWall{plot.topLeft(), plot.topLeft() + d, plot.bottomLeft() + d,
                             plot.bottomLeft()};
    const QPolygonF floor{plot.bottomLeft(), plot.bottomRight(), plot.bottomRight() + d,
                          plot.bottomLeft() + d};
    painter->setPen(QPen(kWallEdge, 1));
    painter->setBrush(kWall);
    painter->drawPolygon(leftWall);
    painter->drawPolygon(floor);

    // Grid on the back wall, carried across the walls to the front edges.
    const PlotMapping m = mapping();
    painter->setPen(QPen(kGrid, 1, Qt::DotLine));
    for (double v : ticks(axisY())) {
        const double y = m.map(QPointF(m.xMin, v)).y();
        painter->drawLine(QPointF(plot.left(), y), QPointF(plot.left(), y) + d);
        painter->drawLine(QPointF(plot.left(), y) + d, QPointF(plot.right(), y) + d);
    }
    for (double v : ticks(axisX())) {
        const double x = m.map(QPointF(v, m.yMin)).x();
        painter->drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom()) + d);
        painter->drawLine(QPointF(x, plot.bottom()) + d, QPointF(x, plot.top()) + d);
    }
    painter->setPen(QPen(kWallEdge, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(plot.translated(d));
    painter->restore();
}

void Chart3DView::drawSeries(QPainter& painter, const QXYSeries& series,
                             const std::vector<QPointF>& pts)
{
    const QRectF plot = chart()->plotArea();
    if (pts.empty() || plot.isEmpty()) return;
    const QPointF d = depth();
    const QColor base = series.color();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRegion(
        QRegion(QPolygonF{plot.bottomLeft(), plot.topLeft(), plot.topLeft() + d,
                          plot.topRight() + d, plot.bottomRight() + d, plot.bottomRight()}
                    .toPolygon()));
    painter.setPen(Qt::NoPen);
    // Left to right, so a nearer face covers the back edge of the one before it; faces turned
    // up are lit, faces turned towards the viewer are shaded.
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF a = pts[i], b = pts[i + 1];
        const bool facingUp = b.y() > a.y() - (b.x() - a.x()); // steeper than the depth diagonal
        painter.setBrush(facingUp ? base : base.darker(140));
        painter.drawPolygon(QPolygonF{a, b, b + d, a + d});
    }
    if (pts.size() == 1) { // a single point is a short bar in depth
        painter.setPen(QPen(base, 2));
        painter.drawLine(pts[0], pts[0] + d);
    }
    painter.setPen(QPen(base.darker(170), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(pts.data(), int(pts.size()));
    painter.restore();
}
