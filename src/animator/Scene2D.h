// SPDX-License-Identifier: GPL-3.0-or-later
// The plain 2-D figure of one step (light build).
#pragma once
#include <QPainter>
#include <QRectF>

#include "SceneModel.h"

// Ground pivot O, crank O–A, rod A–B, the slider block on its guide x = b, the paths of A and
// B (travelled part stronger), and the caption; drawn to fit `area`.
void paintScene2D(QPainter& p, const QRectF& area, const SceneModel& m, int frame);
