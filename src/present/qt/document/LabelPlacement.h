// SPDX-License-Identifier: GPL-3.0-or-later
// Where a drawing's labels go: each near its point, clear of every line drawn and of every
// label and mark placed before it.
#pragma once
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

// A label to place, in mm: the point it names, its text's size, and the offset of its centre
// from the point it would rather take.
struct LabelRequest {
    QPointF anchor;
    QSizeF size;
    QPointF preferred;
};

// Whether `line` crosses or touches the rectangle.
bool meets(const QRectF& rect, const QLineF& line);

// The rectangle (mm) of each label, in order. Each takes the first of its spots that meets no
// line, no obstacle and no label placed before it: the preferred one, then spots round its point
// (eight directions, from the nearest out to about four times its height). A label with no free
// spot takes the one with the fewest conflicts. The placed labels join the obstacles.
std::vector<QRectF> placeLabels(const std::vector<LabelRequest>& labels,
                                const std::vector<QLineF>& lines, std::vector<QRectF> obstacles);
