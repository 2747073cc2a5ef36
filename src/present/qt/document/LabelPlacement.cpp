// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/document/LabelPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool meets(const QRectF& rect, const QLineF& line)
{
    if (rect.contains(line.p1()) || rect.contains(line.p2())) return true;
    const QLineF edges[4] = {{rect.topLeft(), rect.topRight()},
                             {rect.topRight(), rect.bottomRight()},
                             {rect.bottomRight(), rect.bottomLeft()},
                             {rect.bottomLeft(), rect.topLeft()}};
    for (const QLineF& edge : edges)
        if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

std::vector<QRectF> placeLabels(const std::vector<LabelRequest>& labels,
                                const std::vector<QLineF>& lines, std::vector<QRectF> obstacles)
{
    std::vector<QRectF> placed;
    for (const LabelRequest& label : labels) {
        const double w = label.size.width(), h = label.size.height();
        std::vector<QPointF> centres{label.anchor + label.preferred};
        // Round the point: far enough that the text's nearest edge clears it, then further.
        for (double ring : {0.6, 1.0, 1.6, 2.4, 3.4}) {
            const double rx = w / 2 + ring * h, ry = h / 2 + ring * h;
            for (int k = 0; k < 8; ++k) {
                const double angle = k * 3.14159265358979 / 4;
                centres.push_back(label.anchor +
                                  QPointF(rx * std::cos(angle), -ry * std::sin(angle)));
            }
        }
        QRectF best;
        int fewest = std::numeric_limits<int>::max();
        for (const QPointF& c : centres) {
            const QRectF r(c.x() - w / 2, c.y() - h / 2, w, h);
            int conflicts = 0;
            for (const QLineF& line : lines)
                conflicts += meets(r, line) ? 1 : 0;
            for (const QRectF& o : obstacles)
                conflicts += r.intersects(o) ? 1 : 0;
            if (conflicts < fewest) {
                fewest = conflicts;
                best = r;
            }
            if (conflicts == 0) break;
        }
        placed.push_back(best);
        obstacles.push_back(best);
    }
    return placed;
}
