// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/HeatMapView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

HeatMapView::HeatMapView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HeatMapView::setMap(HeatMapGrid grid, std::vector<double> levels, Axes axes)
{
    grid_ = std::move(grid);
    axes_ = std::move(axes);
    contours_.clear();
    segmentCount_ = 0;
    for (const double level : levels) {
        contours_.push_back(contourSegments(grid_, level));
        segmentCount_ += contours_.back().size();
    }
    selected_.reset();
    hovered_.reset();
    update();
}

void HeatMapView::showNoMap()
{
    setMap({}, {}, {});
}

QSize HeatMapView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 12, line * 10};
}

QSize HeatMapView::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 30, line * 20};
}

QRectF HeatMapView::mapArea() const
{
    // Room for the row axis's texts at the left and the column axis's two lines below, as the
    // font needs them.
    const QFontMetrics fm = fontMetrics();
    const int left = std::max({fm.horizontalAdvance(axes_.rowFirst),
                               fm.horizontalAdvance(axes_.rowLast), fm.height()}) +
                     fm.height();
    const int bottom = 2 * fm.height() + fm.height() / 2;
    const int pad = fm.height() / 2;
    return QRectF(left, pad, std::max(1, width() - left - pad),
                  std::max(1, height() - bottom - pad));
}

QRect HeatMapView::cellRect(int row, int col) const
{
    if (grid_.rows <= 0 || grid_.cols <= 0) return {};
    const QRectF area = mapArea();
    const double w = area.width() / grid_.cols, h = area.height() / grid_.rows;
    // Row 0 at the bottom: the first key rises upward, as on a chart.
    return QRectF(area.left() + col * w, area.bottom() - (row + 1) * h, w, h).toAlignedRect();
}

std::optional<std::pair<int, int>> HeatMapView::cellAt(QPoint pos) const
{
    if (grid_.rows <= 0 || grid_.cols <= 0) return std::nullopt;
    const QRectF area = mapArea();
    if (!area.contains(pos)) return std::nullopt;
    const int col = static_cast<int>((pos.x() - area.left()) * grid_.cols / area.width());
    const int row = static_cast<int>((area.bottom() - pos.y()) * grid_.rows / area.height());
    if (row < 0 || row >= grid_.rows || col < 0 || col >= grid_.cols) return std::nullopt;
    return std::pair{row, col};
}

void HeatMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (grid_.rows <= 0 || grid_.cols <= 0) return;
    const QRectF area = mapArea();
    const auto range = heatMapRange(grid_);
    for (int r = 0; r < grid_.rows; ++r)
        for (int c = 0; c < grid_.cols; ++c) {
            const std::optional<double> v = grid_.at(r, c);
            QColor colour(210, 210, 210);
            if (v && range) {
                const double span = range->second - range->first;
                const double t = span > 0 ? (*v - range->first) / span : 0.5;
                colour = QColor::fromHsvF(static_cast<float>(0.66 * (1 - t)), 0.8F, 0.95F);
            }
            painter.fillRect(cellRect(r, c), colour);
        }
    // The contour lines join the cells' centres' grid: (col, row) to the point drawn there.
    const double w = area.width() / grid_.cols, h = area.height() / grid_.rows;
    const auto at = [&](const ContourPoint& p) {
        return QPointF(area.left() + (p.col + 0.5) * w, area.bottom() - (p.row + 0.5) * h);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().text().color(), 1.2));
    for (const auto& level : contours_)
        for (const ContourSegment& s : level)
            painter.drawLine(at(s.a), at(s.b));
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (selected_) {
        painter.setPen(QPen(palette().text().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cellRect(selected_->first, selected_->second));
    }
    painter.setPen(palette().text().color());
    painter.drawRect(area);

    const QFontMetrics fm = fontMetrics();
    const int line = fm.height();
    painter.drawText(QRectF(0, area.bottom() - line, area.left() - line / 2.0, line),
                     Qt::AlignRight | Qt::AlignVCenter, axes_.rowFirst);
    painter.drawText(QRectF(0, area.top(), area.left() - line / 2.0, line),
                     Qt::AlignRight | Qt::AlignVCenter, axes_.rowLast);
    painter.drawText(QRectF(area.left(), area.bottom(), area.width(), line),
                     Qt::AlignLeft | Qt::AlignVCenter, axes_.colFirst);
    painter.drawText(QRectF(area.left(), area.bottom(), area.width(), line),
                     Qt::AlignRight | Qt::AlignVCenter, axes_.colLast);
    painter.drawText(QRectF(area.left(), area.bottom() + line, area.width(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, axes_.colTitle + QStringLiteral(" →"));
    // The row axis's title runs upward along the left side.
    painter.save();
    painter.translate(line / 2.0, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -line / 2.0, area.height(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, axes_.rowTitle + QStringLiteral(" →"));
    painter.restore();
}

void HeatMapView::mouseMoveEvent(QMouseEvent* event)
{
    const auto cell = cellAt(event->position().toPoint());
    if (cell == hovered_) return;
    hovered_ = cell;
    emit hovered(cell ? cell->first : -1, cell ? cell->second : -1);
}

void HeatMapView::select(int row, int col)
{
    selected_ = std::pair{row, col};
    update();
    emit cellSelected(row, col);
}

void HeatMapView::mousePressEvent(QMouseEvent* event)
{
    const auto cell = cellAt(event->position().toPoint());
    if (!cell || event->button() != Qt::LeftButton) return;
    select(cell->first, cell->second);
}

void HeatMapView::keyPressEvent(QKeyEvent* event)
{
    int dr = 0, dc = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        dr = 1;
        break; // the first key rises upward
    case Qt::Key_Down:
        dr = -1;
        break;
    case Qt::Key_Right:
        dc = 1;
        break;
    case Qt::Key_Left:
        dc = -1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (grid_.rows <= 0 || grid_.cols <= 0) return;
    const auto [row, col] = selected_.value_or(std::pair{0, 0});
    const bool first = !selected_;
    select(first ? 0 : std::clamp(row + dr, 0, grid_.rows - 1),
           first ? 0 : std::clamp(col + dc, 0, grid_.cols - 1));
}

void HeatMapView::leaveEvent(QEvent*)
{
    if (!hovered_) return;
    hovered_.reset();
    emit hovered(-1, -1);
}
