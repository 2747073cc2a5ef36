// SPDX-License-Identifier: GPL-3.0-or-later
// The parts the period chart windows (the flywheel's, the true motion's) build their charts
// from: named series with the pens of a curve and of a level, a MarkedChartView titled as every
// chart window titles its charts, and the level line drawn across a curve.
#pragma once
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>

class MarkedChartView;
class QChart;
class QLineSeries;
class QObject;
class QWidget;

// A line series with object name `name`, legend title `title` and `pen`, owned by `owner`.
QLineSeries* namedSeries(const char* name, const QString& title, const QPen& pen, QObject* owner);

// The pen of a curve (solid, 2 px, flat ends) and of a level or bound (dashed, 1.5 px).
QPen curvePen(const QColor& colour);
QPen levelPen(const QColor& colour);

// Gives `chart` the chart windows' title font and colour, margins and legend at the top.
void styleChart(QChart* chart, const QString& title);

// A MarkedChartView named `name` of a new chart titled `title` (styleChart), with value axes
// titled `xTitle` and `yTitle`, a child of `parent`.
MarkedChartView* styledChartView(const QString& title, const QString& xTitle, const QString& yTitle,
                                 const char* name, QWidget* parent);

// A horizontal line at `y` from the first to the last x of `points`; none without points.
QList<QPointF> levelLine(const QList<QPointF>& points, long double y);
