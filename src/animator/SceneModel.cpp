// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneModel.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "base/LocaleSeparator.h"

namespace {

struct Bounds {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    void add(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// A run of tens of thousands of steps mostly retraces the same curve; keeping one copy of
// each segment on a fine grid keeps the paths cheap to draw at every frame.
std::vector<SceneModel::Segment> distinctSegments(const std::vector<KineticFrame>& frames,
                                                  bool jointA, const QRectF& box)
{
    const double cell = std::max(box.width(), box.height()) / 2048;
    auto key = [&](QPointF p) {
        // fmin/fmax rather than clamp: a NaN from an odd box lands on an edge cell instead of
        // reaching the conversion.
        auto cellOf = [cell](double offset) {
            return static_cast<uint64_t>(std::fmax(0.0, std::fmin(offset / cell, 65535.0)));
        };
        return (cellOf(p.x() - box.left()) << 16) | cellOf(p.y() - box.top());
    };
    std::vector<SceneModel::Segment> out;
    std::unordered_set<uint64_t> seen;
    for (size_t i = 1; i < frames.size(); ++i) {
        const KineticFrame& a = frames[i - 1];
        const KineticFrame& b = frames[i];
        const QPointF from = jointA ? QPointF(a.xa, a.ya) : QPointF(a.xb, a.yb);
        const QPointF to = jointA ? QPointF(b.xa, b.ya) : QPointF(b.xb, b.yb);
        uint64_t k1 = key(from), k2 = key(to);
        if (k1 == k2) continue;
        if (k1 > k2) std::swap(k1, k2);
        if (seen.insert((k1 << 32) | k2).second) out.push_back({from, to, static_cast<int>(i)});
    }
    return out;
}

} // namespace

SceneModel::SceneModel(KineticData data) : data_(std::move(data))
{
    Bounds b;
    const double r = std::isfinite(data_.l1) ? std::abs(data_.l1) : 0;
    b.add(-r, -r);
    b.add(r, r);
    b.add(data_.b, 0);
    for (const KineticFrame& f : data_.frames) {
        b.add(f.xa, f.ya);
        b.add(f.xb, f.yb);
        b.add(f.xs, f.ys);
    }
    double span = std::max(b.maxX - b.minX, b.maxY - b.minY);
    if (!(span > 0)) span = 1;
    barWidth_ = span * 0.03;
    // Keep a thin figure (all points on the guide, say) from being stretched to a line.
    const double minSide = span * 0.25;
    const double cx = (b.minX + b.maxX) / 2, cy = (b.minY + b.maxY) / 2;
    const double w = std::max(b.maxX - b.minX, minSide), h = std::max(b.maxY - b.minY, minSide);
    const double pad = barWidth_ * 3;
    box_ = QRectF(cx - w / 2 - pad, cy - h / 2 - pad, w + 2 * pad, h + 2 * pad);

    pathA_ = distinctSegments(data_.frames, true, box_);
    pathB_ = distinctSegments(data_.frames, false, box_);
}

const KineticFrame& SceneModel::frame(int index) const
{
    static const KineticFrame none{};
    if (data_.frames.empty()) return none;
    return data_.frames[static_cast<size_t>(std::clamp(index, 0, frameCount() - 1))];
}

QString frameCaption(const SceneModel& model, int frame, char decimal)
{
    const int count = model.frameCount();
    const int shown = count > 0 ? std::clamp(frame, 0, count - 1) + 1 : 0;
    QString angle = QString::number(model.frame(frame).crank, 'f', 2);
    angle.replace(QLatin1Char('.'), QLatin1Char(decimal));
    return QCoreApplication::translate("SceneModel", "Угол кривошипа: %1°   Шаг %2 из %3")
        .arg(angle)
        .arg(shown)
        .arg(count);
}

char captionDecimal()
{
    // The environment does not change under a running program: read once.
    static const char decimal = environmentDecimalSeparator();
    return decimal;
}
