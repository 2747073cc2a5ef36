// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ChartParts.h"

#include <QChart>
#include <QFont>
#include <QLineSeries>
#include <QValueAxis>

#include "present/qt/ChartView.h"

QLineSeries* namedSeries(const char* name, const QString& title, const QPen& pen, QObject* owner)
{
    auto* s = new QLineSeries(owner);
    s->setObjectName(name);
    s->setName(title);
    s->setPen(pen);
    return s;
}

QPen curvePen(const QColor& colour)
{
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen levelPen(const QColor& colour)
{
    QPen pen(colour, 1.5);
    pen.setStyle(Qt::DashLine);
    return pen;
}

void styleChart(QChart* chart, const QString& title)
{
    chart->setTitle(title);
    // The title as the other chart windows write theirs.
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(Qt::red);
    chart->setMargins(QMargins(8, 5, 8, 8));
    chart->legend()->setAlignment(Qt::AlignTop);
}

MarkedChartView* styledChartView(const QString& title, const QString& xTitle, const QString& yTitle,
                                 const char* name, QWidget* parent)
{
    auto* chart = new QChart;
    styleChart(chart, title);
    chart->addAxis(new QValueAxis, Qt::AlignBottom);
    chart->addAxis(new QValueAxis, Qt::AlignLeft);
    auto* view = new MarkedChartView(chart, parent);
    view->setObjectName(name);
    view->setAxisTitles(xTitle, yTitle);
    return view;
}

QList<QPointF> levelLine(const QList<QPointF>& points, long double y)
{
    if (points.isEmpty()) return {};
    const double v = static_cast<double>(y);
    return {QPointF(points.front().x(), v), QPointF(points.back().x(), v)};
}
