// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing one step of the mechanism into a rectangle of a painter: a plain 2-D figure (light
// build) or a shaded perspective view (full build), and the build's choice between them.
#pragma once
#include <QPainter>
#include <QRectF>

#include "Scene2D.h"
#include "Scene3D.h"
#include "SceneModel.h"
#include "ScenePaint.h"

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
