// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ChartWindow.h"

#include <QChart>
#include <QCoreApplication>
#include <QWidget>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/WindowFit.h"

void setChartWindowFrame(QWidget* w, int x, int y, int width, int height)
{
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    w->resize(width, height);
    w->move(x, y);
    fitToScreenWhenShown(w); // a low screen shrinks it to fit, title bar included
}

void fitToAvailableArea(QWidget* w)
{
    fitWindowToScreen(w);
}

QList<QPointF> rowPoints(const ResultStore& R, int row)
{
    QList<QPointF> pts;
    const ParamSet* run = R.computedWith();
    if (!run) return pts;
    const int n = R.computedSteps(); // a run that stopped part-way: only its computed steps
    pts.reserve(n);
    const long double* values = R.row(row);
    for (int i = 1; i <= n; ++i)
        pts.append(QPointF(static_cast<double>(crankAngleDegrees(*run, i)),
                           static_cast<double>(values[i])));
    return pts;
}

QString quantityAxisTitle(int row)
{
    const QuantityInfo* q = quantityAtRow(row);
    if (!q) return QString();
    return QString::fromUtf8(q->name) + QStringLiteral(", ") +
           QString::fromStdString(shownUnit(q->unit));
}

QString crankAngleAxisTitle()
{
    return QCoreApplication::translate("ChartWindow", "Угол кривошипа, °");
}

QString chartWindowTitle(const QString& base, bool stale)
{
    // What the title gets while the results belong to other parameters than those shown.
    return stale ? base + QCoreApplication::translate(
                              "ChartWindow", " — результаты относятся к прежним параметрам")
                 : base;
}

QLocale axisLocale(char decimal)
{
    QLocale locale;
    if (decimalSeparatorOf(locale) != decimal)
        locale = decimal == ',' ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

void localizeAxes(QChart* chart, char decimal)
{
    chart->setLocale(axisLocale(decimal));
    chart->setLocalizeNumbers(true);
}
