// What the two chart windows share: their frame (fixed single border, system menu and minimise
// button only) and the filling of a series from a row of the store.
#pragma once
#include <QList>
#include <QPointF>

#include "calc/ResultStore.h"

class QWidget;

// Makes `w` a top-level window at frame position (x, y) with a fixed client area w x h.
void setChartWindowFrame(QWidget* w, int x, int y, int width, int height);

// The points (30 (i - 1), R[row][i]) for i = 1..n as doubles; n is clamped to 0..kSteps.
QList<QPointF> rowPoints(const ResultStore& R, int row, int n);
