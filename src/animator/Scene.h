// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing one step of the mechanism into a rectangle of a painter: a plain 2-D figure (light
// build) or a shaded perspective view (full build), and the build's choice between them.
#pragma once
#include <QPainter>
#include <QRectF>
#include <vector>

#include "SceneModel.h"

// Turn of the 3-D view, radians: yaw about the vertical axis, pitch about the horizontal.
struct ViewAngles {
    double yaw = -0.5;
    double pitch = 0.3;
};

// Ground pivot O, crank O–A, rod A–B, the slider block on its guide x = b, the paths of A and
// B (travelled part stronger), and the caption; drawn to fit `area`.
void paintScene2D(QPainter& p, const QRectF& area, const SceneModel& m, int frame);
// The same as solid shaded bars and blocks in perspective, turned by `view`.
void paintScene3D(QPainter& p, const QRectF& area, const SceneModel& m, int frame,
                  const ViewAngles& view);

// The full build ("Animator") draws in 3-D in a window; the light build ("Anima_dx7") draws
// in 2-D full screen.
#if KINOVAR_ANIMATOR_3D
inline constexpr bool kFullBuild = true;
#else
inline constexpr bool kFullBuild = false;
#endif

inline void paintScene(QPainter& p, const QRectF& area, const SceneModel& m, int frame,
                       const ViewAngles& view)
{
    if constexpr (kFullBuild)
        paintScene3D(p, area, m, frame, view);
    else
        paintScene2D(p, area, m, frame);
}

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
