// SPDX-License-Identifier: GPL-3.0-or-later
// What the two chart windows share: their frame (resizable, placed inside the screen), the filling
// of a series from a row of the store against the crank angle, the axis titles and the window
// title that says when the results are out of date.
#pragma once
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

#include "calc/ResultStore.h"

class QChart;
class QWidget;

// The title of every chart's x axis, "Угол кривошипа, °" in the language in use.
QString crankAngleAxisTitle();

// Makes `w` a resizable top-level window at frame position (x, y) with a client area of
// width x height, which is also what it returns to (see fitToAvailableArea). Each time the
// program shows it, it is moved and if need be shrunk so that it fits the screen, frame included.
void setChartWindowFrame(QWidget* w, int x, int y, int width, int height);

// Shrinks the top-level `w` to the available area of its screen when it is larger, then keeps it
// inside that area. A window that fits keeps its size.
void fitToAvailableArea(QWidget* w);

// The points (crank angle of step i in degrees, R[row][i]) for i = 1..N, with N, fi0 and step
// those the store was computed with (N clamped to 0..kSteps); no points before any calculation.
QList<QPointF> rowPoints(const ResultStore& R, int row);

// The y axis title of a store row: "name, unit" from the quantity catalogue, "" for a row that no
// quantity owns.
QString quantityAxisTitle(int row);

// `base`, with kStaleResultsSuffix when `stale`.
QString chartWindowTitle(const QString& base, bool stale);

// The locale the axes write their numbers in: the default locale when its decimal separator is
// `decimal`, else one that has it (Russian for ',', C for '.'); digit groups shown, as the value
// marks show them.
QLocale axisLocale(char decimal);

// Makes the chart's axes write their numbers with the program's decimal separator (and the digit
// groups of axisLocale), like the value marks: "720,0" beside "1 087,388".
void localizeAxes(QChart* chart, char decimal);
