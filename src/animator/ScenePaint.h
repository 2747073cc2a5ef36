// SPDX-License-Identifier: GPL-3.0-or-later
// What the 2-D and the 3-D drawing of a step share: the turn of the 3-D view, the joints' paths
// and the caption.
#pragma once
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "SceneModel.h"

// Turn of the 3-D view, radians: yaw about the vertical axis, pitch about the horizontal.
struct ViewAngles {
    double yaw = -0.5;
    double pitch = 0.3;
};

// A joint's path: all of it faint, the part travelled up to `frame` stronger; `map` takes a
// world point in the plane to the picture.
template <class Map>
void paintPath(QPainter& p, const std::vector<SceneModel::Segment>& path, int frame, QColor colour,
               Map map)
{
    std::vector<QLineF> all, travelled;
    all.reserve(path.size());
    for (const auto& s : path) {
        all.emplace_back(map(s.from), map(s.to));
        if (s.frame <= frame) travelled.push_back(all.back());
    }
    QColor faint = colour;
    faint.setAlpha(70);
    p.setPen(QPen(faint, 1));
    p.drawLines(all.data(), static_cast<int>(all.size()));
    p.setPen(QPen(colour, 2));
    p.drawLines(travelled.data(), static_cast<int>(travelled.size()));
}

// The caption box in the top-left corner of `area`.
void paintCaption(QPainter& p, const QRectF& area, const QString& text, const QColor& ink);
