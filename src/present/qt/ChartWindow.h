// SPDX-License-Identifier: GPL-3.0-or-later
// What the two chart windows share: their frame (fixed single border, system menu and minimise
// button only) and the filling of a series from a row of the store.
#pragma once
#include <QList>
#include <QLocale>
#include <QPointF>

#include "calc/ResultStore.h"

class QChart;
class QWidget;

// Makes `w` a top-level window at frame position (x, y) with a fixed client area w x h.
void setChartWindowFrame(QWidget* w, int x, int y, int width, int height);

// The points (30 (i - 1), R[row][i]) for i = 1..n as doubles; n is clamped to 0..kSteps.
QList<QPointF> rowPoints(const ResultStore& R, int row, int n);

// The locale the axes write their numbers in: the default locale when its decimal separator is
// `decimal`, else one that has it (Russian for ',', C for '.'); digit groups shown, as the value
// marks show them.
QLocale axisLocale(char decimal);

// Makes the chart's axes write their numbers with the program's decimal separator (and the digit
// groups of axisLocale), like the value marks: "720,0" beside "1 087,388".
void localizeAxes(QChart* chart, char decimal);
