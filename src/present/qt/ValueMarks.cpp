// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ValueMarks.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QXYSeries>
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/NumberText.h"
#include "present/MarkText.h"

namespace {

constexpr double kPadX = 3;   // text to frame, left and right
constexpr double kPadY = 1;   // text to frame, top and bottom
constexpr double kLeader = 6; // point to the nearest frame edge
constexpr double kGap = 1;    // free pixels kept between two marks
constexpr double kCell = 32;  // side of the occupancy grid's cells

std::string localeGroup(char decimal)
{
    return markGroupSeparator(decimal, QLocale().groupSeparator().toStdString());
}

// Occupancy of placed frames, bucketed on a coarse grid so that a test touches only the few
// frames near the candidate.
class Occupancy {
public:
    explicit Occupancy(const QRectF& bounds)
        : origin_(bounds.topLeft()), cols_(std::max(1, int(bounds.width() / kCell) + 1)),
          rows_(std::max(1, int(bounds.height() / kCell) + 1)), cells_(size_t(cols_) * rows_)
    {
    }
    bool overlaps(const QRectF& r) const
    {
        const QRectF grown = r.adjusted(-kGap, -kGap, kGap, kGap);
        bool hit = false;
        forCells(r, [&](std::vector<QRectF>& cell) {
            for (const QRectF& other : cell)
                if (other.intersects(grown)) {
                    hit = true;
                    return true;
                }
            return false;
        });
        return hit;
    }
    void add(const QRectF& r)
    {
        forCells(r, [&](std::vector<QRectF>& cell) {
            cell.push_back(r);
            return false;
        });
    }

private:
    template <class F> void forCells(const QRectF& r, F&& f) const
    {
        const int c0 = std::clamp(int((r.left() - kGap - origin_.x()) / kCell), 0, cols_ - 1);
        const int c1 = std::clamp(int((r.right() + kGap - origin_.x()) / kCell), 0, cols_ - 1);
        const int r0 = std::clamp(int((r.top() - kGap - origin_.y()) / kCell), 0, rows_ - 1);
        const int r1 = std::clamp(int((r.bottom() + kGap - origin_.y()) / kCell), 0, rows_ - 1);
        for (int row = r0; row <= r1; ++row)
            for (int col = c0; col <= c1; ++col)
                if (f(cells_[size_t(row) * cols_ + col])) return;
    }
    QPointF origin_;
    int cols_, rows_;
    mutable std::vector<std::vector<QRectF>> cells_;
};

// Spot k of a frame w x h for the point p, nearest first: above, below, each centred on the point,
// then shifted right, then left; then the same one and two frames further out. A frame that would
// stick out of `bounds` sideways is slid back in, so points near the plot's edges keep their marks.
constexpr int kSpots = 18;
constexpr int kSpotsPerLevel = 6;
QRectF spot(QPointF p, int k, double w, double h, const QRectF& bounds)
{
    const int level = k / 6, side = (k % 6) / 2;
    const double lift = kLeader + level * (h + kGap);
    const double top = (k % 2 == 0) ? p.y() - lift - h : p.y() + lift;
    double left = side == 0 ? p.x() - w / 2 : side == 1 ? p.x() - 4 : p.x() - w + 4;
    left = std::clamp(left, bounds.left(), std::max(bounds.left(), bounds.right() - w));
    return QRectF(left, top, w, h);
}

} // namespace

QString markLabel(double value, const std::string& group, char decimal)
{
    return QString::fromStdString(markText(value, group, decimal));
}

QString markLabel(double value, char decimal)
{
    return markLabel(value, localeGroup(decimal), decimal);
}

QPointF PlotMapping::map(QPointF p) const
{
    const double sx = xMax > xMin ? plot.width() / (xMax - xMin) : 0;
    const double sy = yMax > yMin ? plot.height() / (yMax - yMin) : 0;
    return {plot.left() + (p.x() - xMin) * sx, plot.bottom() - (p.y() - yMin) * sy};
}

QList<PlacedMark> placeMarks(const QList<MarkSource>& sources, const PlotMapping& mapping,
                             const QRectF& bounds, const QFont& font, char decimal,
                             MarkPlacement placement)
{
    QList<PlacedMark> placed;
    if (bounds.isEmpty() || mapping.plot.isEmpty()) return placed;
    const QFontMetricsF fm(font);
    const double h = fm.height() + 2 * kPadY;
    const double narrowest = fm.horizontalAdvance(QStringLiteral("0")) + 2 * kPadX;
    const std::string group = localeGroup(decimal);
    const QRectF inPlot = mapping.plot.adjusted(-0.5, -0.5, 0.5, 0.5);
    Occupancy occupied(bounds);

    auto fits = [&](const QRectF& r) { return bounds.contains(r) && !occupied.overlaps(r); };

    for (int s = 0; s < sources.size(); ++s) {
        const QList<QPointF> pts = sources[s].series->points();
        auto byX = [](const QPointF& a, double x) { return a.x() < x; };
        auto it = std::lower_bound(pts.cbegin(), pts.cend(), mapping.xMin, byX);
        const auto end = std::upper_bound(it, pts.cend(), mapping.xMax,
                                          [](double x, const QPointF& a) { return x < a.x(); });
        // More points than the plot has pixel columns: a mark further out than the nearest spots
        // stands in rows away from the curve and names no point a reader can find, and marks
        // forced over one another cannot be read at all. Such a series is marked only where a
        // mark fits right beside its point.
        const bool dense = static_cast<double>(end - it) > mapping.plot.width();
        const bool every = placement == MarkPlacement::Every && !dense;
        const int spots = dense ? kSpotsPerLevel : kSpots;
        auto tryMark = [&](const QPointF& value) {
            const QPointF p = mapping.map(value);
            if (!inPlot.contains(p)) return;
            bool mayFit = every;
            for (int k = 0; k < spots && !mayFit; ++k)
                mayFit = fits(spot(p, k, narrowest, h, bounds));
            if (!mayFit) return;
            const QString text = markLabel(value.y(), group, decimal);
            const double w = fm.horizontalAdvance(text) + 2 * kPadX;
            for (int k = 0; k < spots; ++k) {
                const QRectF r = spot(p, k, w, h, bounds);
                if (!fits(r)) continue;
                occupied.add(r);
                placed.push_back({p, r, text, sources[s].background, s});
                return;
            }
            if (!every) return;
            // No free spot: the nearest one inside the bounds, over whatever lies there.
            QRectF r = spot(p, 0, w, h, bounds);
            for (int k = 0; k < kSpots; ++k)
                if (bounds.contains(spot(p, k, w, h, bounds))) {
                    r = spot(p, k, w, h, bounds);
                    break;
                }
            placed.push_back({p, r, text, sources[s].background, s});
        };
        // Where several points share a pixel column, only the column's first, lowest, highest
        // and last point can be told apart on screen; the others are not offered a mark.
        while (it != end) {
            const double column = std::floor(mapping.map(*it).x());
            auto next = it, lo = it, hi = it;
            while (next != end && std::floor(mapping.map(*next).x()) == column) {
                if (next->y() < lo->y()) lo = next;
                if (next->y() > hi->y()) hi = next;
                ++next;
            }
            const auto last = next - 1;
            const auto mid1 = std::min(lo, hi), mid2 = std::max(lo, hi);
            tryMark(*it);
            if (mid1 != it) tryMark(*mid1);
            if (mid2 != mid1 && mid2 != it) tryMark(*mid2);
            if (last != mid2 && last != mid1 && last != it) tryMark(*last);
            it = next;
        }
    }
    return placed;
}

void drawMarks(QPainter& painter, const QList<PlacedMark>& marks, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPen leader(QColor(96, 96, 96), 1);
    const QPen frame(QColor(64, 64, 64), 1);
    // Leader lines first: a line running to a farther mark passes under the nearer ones.
    painter.setPen(leader);
    for (const PlacedMark& m : marks) {
        const bool above = m.box.bottom() <= m.anchor.y();
        const double x = std::clamp(m.anchor.x(), m.box.left() + 2, m.box.right() - 2);
        painter.drawLine(m.anchor, QPointF(x, above ? m.box.bottom() : m.box.top()));
    }
    for (const PlacedMark& m : marks) {
        painter.setPen(frame);
        painter.setBrush(m.background);
        painter.drawRect(m.box);
        painter.setPen(Qt::black);
        painter.drawText(m.box, Qt::AlignCenter, m.text);
    }
    painter.restore();
}

QFont markFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    return f;
}
