// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Load.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The linear interpolation of one column between two points at a fraction t of the way.
long double between(long double a, long double b, long double t)
{
    return a + (b - a) * t;
}

long double byAngle(const LoadTable& t, int32_t period, long double degrees)
{
    const auto& pts = t.points;
    if (pts.size() == 1) return pts.front().force;
    const long double T = period;
    // fmodl is exact; a tiny negative remainder can round up to T itself, which is the first
    // angle of the next period, the same point of the cycle as 0.
    long double phi = fmodl(degrees, T);
    if (phi < 0) phi += T;
    if (phi >= T) phi = 0;
    const auto next = std::upper_bound(pts.begin(), pts.end(), phi,
                                       [](long double v, const LoadPoint& pt) { return v < pt.x; });
    if (next == pts.begin() || next == pts.end()) {
        // The wrap segment from the last point to the first one plus T.
        const LoadPoint& a = pts.back();
        const LoadPoint& b = pts.front();
        const long double from = phi >= a.x ? phi - a.x : (phi + T) - a.x;
        return between(a.force, b.force, from / ((b.x + T) - a.x));
    }
    const LoadPoint& a = *(next - 1);
    const LoadPoint& b = *next;
    return between(a.force, b.force, (phi - a.x) / (b.x - a.x));
}

// Q of one column at stroke fraction s, held at the table's ends.
template <typename Column>
long double byStroke(const std::vector<LoadPoint>& pts, long double s, Column column)
{
    if (s <= pts.front().x) return column(pts.front());
    if (s >= pts.back().x) return column(pts.back());
    const auto next = std::upper_bound(pts.begin(), pts.end(), s,
                                       [](long double v, const LoadPoint& pt) { return v < pt.x; });
    const LoadPoint& a = *(next - 1);
    const LoadPoint& b = *next;
    return between(column(a), column(b), (s - a.x) / (b.x - a.x));
}

} // namespace

DeadCentres deadCentres(const ParamSet& p)
{
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    return {sqrtl((l1 + l2) * (l1 + l2) - b * b), sqrtl((l2 - l1) * (l2 - l1) - b * b)};
}

bool loadFitsMechanism(const ParamSet& p)
{
    if (!p.load.active() || p.load.kind != LoadKind::ByStroke) return true;
    const long double l1 = p.l1, l2 = p.l2, b = p.b;
    return l1 > 0 && std::fabs(b) <= l2 - l1;
}

long double loadForceY(const ParamSet& p, const LoadStep& s)
{
    const LoadTable& t = p.load;
    if (!t.active()) return 0.0L;
    const long double sigma = s.yb >= 0 ? 1.0L : -1.0L;
    long double Q = 0;
    if (t.kind == LoadKind::ByAngle) {
        Q = byAngle(t, p.period, s.crankDegrees);
    } else {
        if (!loadFitsMechanism(p)) return std::numeric_limits<long double>::quiet_NaN();
        const DeadCentres dc = deadCentres(p);
        const long double frac = (dc.outer - std::fabs(s.yb)) / (dc.outer - dc.inner);
        const long double toward =
            byStroke(t.points, frac, [](const LoadPoint& pt) { return pt.force; });
        const long double away =
            byStroke(t.points, frac, [](const LoadPoint& pt) { return pt.forceAway; });
        const long double heading = sigma * s.ybt;
        Q = heading < 0 ? toward : heading > 0 ? away : (toward + away) / 2;
        return -sigma * Q;
    }
    return t.direction == LoadDirection::AlongY ? Q : -sigma * Q;
}
