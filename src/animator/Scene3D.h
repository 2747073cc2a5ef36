// SPDX-License-Identifier: GPL-3.0-or-later
// The shaded perspective view of one step (full build).
#pragma once
#include <QPainter>
#include <QRectF>

#include "SceneModel.h"
#include "ScenePaint.h"

// The same as solid shaded bars and blocks in perspective, turned by `view`.
void paintScene3D(QPainter& p, const QRectF& area, const SceneModel& m, int frame,
                  const ViewAngles& view);
