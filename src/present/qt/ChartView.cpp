// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ChartView.h"
#include "present/qt/ChartWindow.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QValueAxis>
#include <QXYSeries>
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace {

// How far a click may move between press and release and still be a click, not a drag.
constexpr int kClickSlack = 3;

bool sameMapping(const PlotMapping& a, const PlotMapping& b)
{
    return a.plot == b.plot && a.xMin == b.xMin && a.xMax == b.xMax && a.yMin == b.yMin &&
           a.yMax == b.yMax;
}

} // namespace

std::vector<QPointF> screenPolyline(const QList<QPointF>& data, const PlotMapping& m)
{
    auto byX = [](const QPointF& a, double x) { return a.x() < x; };
    auto first = std::lower_bound(data.cbegin(), data.cend(), m.xMin, byX);
    auto last = std::upper_bound(first, data.cend(), m.xMax,
                                 [](double x, const QPointF& a) { return x < a.x(); });
    if (first != data.cbegin()) --first;
    if (last != data.cend()) ++last;
    std::vector<QPointF> out;
    auto it = first;
    while (it != last) {
        const double column = std::floor(m.map(*it).x());
        auto next = it, lo = it, hi = it;
        while (next != last && std::floor(m.map(*next).x()) == column) {
            if (next->y() < lo->y()) lo = next;
            if (next->y() > hi->y()) hi = next;
            ++next;
        }
        const decltype(it) keep[4] = {it, std::min(lo, hi), std::max(lo, hi), next - 1};
        for (int k = 0; k < 4; ++k)
            if (k == 0 || keep[k] != keep[k - 1]) out.push_back(m.map(*keep[k]));
        it = next;
    }
    return out;
}

QString readoutText(double angle, const QString& name, double value, const QString& unit,
                    char decimal)
{
    QString text = QStringLiteral("φ = ") +
                   QString::fromStdString(FormatFixed(angle, 18, 2, decimal)) +
                   QStringLiteral("°; ") + name + QStringLiteral(" = ") + markLabel(value, decimal);
    if (!unit.isEmpty()) text += QLatin1Char(' ') + unit;
    return text;
}

MarkedChartView::MarkedChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent)
{
    setRubberBand(QChartView::RectangleRubberBand);
    // The readout follows the mouse without a button held.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // Marks are placed over the whole plot at once; a partial repaint would cut them.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFrameShape(QFrame::NoFrame);
}

void MarkedChartView::addSeries(QXYSeries* series, const QColor& background, bool visible)
{
    auto* standIn = new QLineSeries(this);
    standIn->setName(series->name());
    standIn->setPen(series->pen());
    chart()->addSeries(standIn);
    standIn->attachAxis(axisX());
    standIn->attachAxis(axisY());
    layers_.push_back({series, background, visible, QString(), QString()});
    polylinesValid_ = false;
    auto stale = [this] {
        invalidateMarks();
        polylinesValid_ = false;
        clearReadout();
        viewport()->update();
    };
    connect(series, &QXYSeries::pointsReplaced, this, stale);
    connect(series, &QXYSeries::pointAdded, this, stale);
    connect(series, &QXYSeries::pointReplaced, this, stale);
    connect(series, &QXYSeries::pointRemoved, this, stale);
    connect(series, &QXYSeries::pointsRemoved, this, stale);
    invalidateMarks();
}

namespace {

QPen overlayPen(const ChartOverlay& o)
{
    QPen pen(o.colour, 1.5, o.style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

void MarkedChartView::setOverlays(std::vector<ChartOverlay> overlays)
{
    for (QLineSeries* s : overlayStandIns_) {
        chart()->removeSeries(s);
        delete s;
    }
    overlayStandIns_.clear();
    overlays_ = std::move(overlays);
    for (const ChartOverlay& o : overlays_) {
        auto* standIn = new QLineSeries(this);
        standIn->setName(o.name);
        standIn->setPen(overlayPen(o));
        chart()->addSeries(standIn);
        standIn->attachAxis(axisX());
        standIn->attachAxis(axisY());
        overlayStandIns_.push_back(standIn);
    }
    viewport()->update();
}

void MarkedChartView::setMarksVisible(const QXYSeries* series, bool visible)
{
    for (Layer& l : layers_)
        if (l.series == series) l.visible = visible;
    invalidateMarks();
    viewport()->update();
}

void MarkedChartView::setEveryMark(bool every)
{
    everyMark_ = every;
    invalidateMarks();
    viewport()->update();
}

void MarkedChartView::setReadoutQuantity(const QXYSeries* series, const QString& name,
                                         const QString& unit)
{
    for (Layer& l : layers_)
        if (l.series == series) l.name = name, l.unit = unit;
}

void MarkedChartView::setAxisTitles(const QString& x, const QString& y)
{
    if (QValueAxis* ax = axisX()) ax->setTitleText(x);
    if (QValueAxis* ay = axisY()) ay->setTitleText(y);
}

void MarkedChartView::clearReadout()
{
    readout_.clear();
}

void MarkedChartView::showReadoutAt(QPointF pos)
{
    const QString before = readout_;
    clearReadout();
    const PlotMapping m = mapping();
    if (m.plot.contains(pos) && m.plot.width() > 0) {
        const double x = m.xMin + (pos.x() - m.plot.left()) * (m.xMax - m.xMin) / m.plot.width();
        double best = std::numeric_limits<double>::infinity();
        for (const Layer& l : layers_) {
            const QList<QPointF> pts = l.series->points();
            auto it = std::lower_bound(pts.cbegin(), pts.cend(), x,
                                       [](const QPointF& a, double v) { return a.x() < v; });
            // The point nearest in x is at `it` or just before it; of the series, the nearest on
            // screen wins, so the readout sits on the curve the mouse is over.
            for (auto c : {it - (it != pts.cbegin()), it}) {
                if (c == pts.cend()) continue;
                const QPointF d = m.map(*c) - pos;
                const double dist = std::hypot(d.x(), d.y());
                if (dist >= best) continue;
                best = dist;
                readoutPoint_ = *c;
                readout_ = readoutText(c->x(), l.name, c->y(), l.unit, decimal_);
            }
        }
    }
    if (readout_ != before) viewport()->update();
}

bool MarkedChartView::marksVisible(const QXYSeries* series) const
{
    for (const Layer& l : layers_)
        if (l.series == series) return l.visible;
    return false;
}

void MarkedChartView::setDecimal(char decimal)
{
    // The axes follow every time: the default locale they derive from may have changed too.
    localizeAxes(chart(), decimal);
    if (decimal == decimal_) return;
    decimal_ = decimal;
    invalidateMarks();
    clearReadout();
    viewport()->update();
}

const QList<PlacedMark>& MarkedChartView::currentMarks()
{
    const PlotMapping now = mapping();
    if (marksValid_ && sameMapping(now, placedFor_)) return marks_;
    QList<MarkSource> sources;
    for (const Layer& l : layers_)
        if (l.visible) sources.push_back({l.series, l.background});
    marks_ = sources.isEmpty()
                 ? QList<PlacedMark>()
                 : placeMarks(sources, now, markBounds(), markFont(), decimal_,
                              everyMark_ ? MarkPlacement::Every : MarkPlacement::Fitting);
    placedFor_ = now;
    marksValid_ = true;
    return marks_;
}

QValueAxis* MarkedChartView::axisX() const
{
    const auto axes = chart()->axes(Qt::Horizontal);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

QValueAxis* MarkedChartView::axisY() const
{
    const auto axes = chart()->axes(Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

PlotMapping MarkedChartView::mapping() const
{
    PlotMapping m;
    m.plot = chart()->plotArea();
    if (QValueAxis* x = axisX()) m.xMin = x->min(), m.xMax = x->max();
    if (QValueAxis* y = axisY()) m.yMin = y->min(), m.yMax = y->max();
    return m;
}

void MarkedChartView::fitAxes(std::initializer_list<const QList<QPointF>*> data)
{
    QValueAxis* ax = axisX();
    QValueAxis* ay = axisY();
    if (!ax || !ay) return;
    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
    auto take = [&](const QList<QPointF>& points) {
        for (const QPointF& p : points) {
            x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
        }
    };
    for (const QList<QPointF>* points : data)
        take(*points);
    for (const ChartOverlay& o : overlays_)
        take(o.points);
    chart()->zoomReset();
    clearReadout();
    if (x0 > x1) { // no points at all
        ax->setRange(0, 1);
        ay->setRange(0, 1);
        return;
    }
    if (x1 == x0) x0 -= 1, x1 += 1;
    if (y1 == y0) y0 -= 1, y1 += 1;
    ax->setRange(x0, x1);
    ay->setRange(y0, y1);
    ay->applyNiceNumbers();
}

QRectF MarkedChartView::markBounds() const
{
    return chart()->plotArea();
}

void MarkedChartView::drawSeries(QPainter& painter, const QXYSeries& series,
                                 const std::vector<QPointF>& polyline)
{
    if (polyline.empty()) return;
    painter.save();
    painter.setClipRect(chart()->plotArea());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(series.pen());
    painter.drawPolyline(polyline.data(), int(polyline.size()));
    painter.restore();
}

void MarkedChartView::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    const PlotMapping m = mapping();
    if (!m.plot.isEmpty() && !overlays_.empty()) {
        // Under the run's own curves, which stay readable on top.
        painter->save();
        painter->setClipRect(m.plot);
        painter->setRenderHint(QPainter::Antialiasing, true);
        for (const ChartOverlay& o : overlays_) {
            const std::vector<QPointF> line = screenPolyline(o.points, m);
            painter->setPen(overlayPen(o));
            if (!line.empty()) painter->drawPolyline(line.data(), int(line.size()));
        }
        painter->restore();
    }
    if (!m.plot.isEmpty()) {
        // The polylines are made again only when the data or the ranges changed: a repaint of a
        // strip (the cursor's line) must not walk every point of every series.
        if (!polylinesValid_ || !sameMapping(polylinesFor_, m) ||
            polylines_.size() != size_t(layers_.size())) {
            polylines_.clear();
            for (const Layer& l : layers_)
                polylines_.push_back(screenPolyline(l.series->points(), m));
            polylinesFor_ = m;
            polylinesValid_ = true;
        }
        for (qsizetype k = 0; k < layers_.size(); ++k)
            drawSeries(*painter, *layers_[k].series, polylines_[size_t(k)]);
    }
    if (cursorAngle_ && !m.plot.isEmpty() && *cursorAngle_ >= m.xMin && *cursorAngle_ <= m.xMax) {
        const double x = m.map(QPointF(*cursorAngle_, m.yMin)).x();
        painter->save();
        painter->setPen(QPen(QColor(200, 0, 120), 1));
        painter->drawLine(QPointF(x, m.plot.top()), QPointF(x, m.plot.bottom()));
        painter->restore();
    }
    const auto& marks = currentMarks();
    if (!marks.isEmpty()) drawMarks(*painter, marks, markFont());
    if (!readout_.isEmpty()) drawReadout(*painter);
}

void MarkedChartView::drawReadout(QPainter& painter) const
{
    const PlotMapping m = mapping();
    const QPointF p = m.map(readoutPoint_);
    if (!m.plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p)) return; // zoomed away from it
    const QFont font = markFont();
    const QFontMetricsF fm(font);
    const QSizeF size(fm.horizontalAdvance(readout_) + 8, fm.height() + 4);
    // Up and to the right of the point, turned back into the plot near its edges.
    QRectF box(p + QPointF(8, -8 - size.height()), size);
    if (box.right() > m.plot.right()) box.moveRight(p.x() - 8);
    if (box.left() < m.plot.left()) box.moveLeft(m.plot.left());
    if (box.top() < m.plot.top()) box.moveTop(p.y() + 8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(p, 4, 4);
    painter.setFont(font);
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, readout_);
    painter.restore();
}

void MarkedChartView::mouseMoveEvent(QMouseEvent* event)
{
    showReadoutAt(event->position());
    QChartView::mouseMoveEvent(event);
}

void MarkedChartView::leaveEvent(QEvent* event)
{
    clearReadout();
    viewport()->update();
    QChartView::leaveEvent(event);
}

void MarkedChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) pressPos_ = event->position().toPoint();
    QChartView::mousePressEvent(event);
}

void MarkedChartView::mouseReleaseEvent(QMouseEvent* event)
{
    // The right button belongs to the popup menu, not to the view's zoom-out.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    // A rectangle dragged leftwards undoes every zoom, as chart controls commonly do.
    QRubberBand* band = findChild<QRubberBand*>();
    if (event->button() == Qt::LeftButton && band && band->isVisible() &&
        event->position().x() < pressPos_.x()) {
        band->hide();
        chart()->zoomReset();
        event->accept();
        return;
    }
    // A click that dragged no rectangle is a request for the cursor, not a zoom into nothing.
    if (event->button() == Qt::LeftButton &&
        (event->position().toPoint() - pressPos_).manhattanLength() <= kClickSlack) {
        if (band) band->hide();
        const PlotMapping m = mapping();
        if (m.plot.contains(event->position()) && m.plot.width() > 0)
            emit angleClicked(m.xMin + (event->position().x() - m.plot.left()) / m.plot.width() *
                                           (m.xMax - m.xMin));
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void MarkedChartView::setCursorAngle(std::optional<double> angle)
{
    if (angle == cursorAngle_) return;
    // Only the strips of the old and the new line are painted again: the whole chart, at 90000
    // points a series, would take most of a frame for each step the cursor moves.
    const PlotMapping m = mapping();
    const auto strip = [&m](std::optional<double> x) {
        if (!x || m.plot.isEmpty()) return QRect();
        const double px = m.map(QPointF(*x, m.yMin)).x();
        return QRectF(px - 3, m.plot.top() - 1, 6, m.plot.height() + 2).toAlignedRect();
    };
    const QRect dirty = strip(cursorAngle_).united(strip(angle));
    cursorAngle_ = angle;
    if (!dirty.isEmpty()) viewport()->update(dirty);
}

void MarkedChartView::contextMenuEvent(QContextMenuEvent* event)
{
    if (popup_) {
        popup_->popup(event->globalPos());
        event->accept();
    }
}
