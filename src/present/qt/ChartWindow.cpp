// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ChartWindow.h"

#include <QChart>
#include <QWidget>
#include <algorithm>

#include "base/NumberText.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/ScreenFit.h"

void setChartWindowFrame(QWidget* w, int x, int y, int width, int height)
{
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint);
    w->setFixedSize(width, height);
    w->move(x, y);
    keepOnScreenWhenShown(w);
}

QList<QPointF> rowPoints(const ResultStore& R, int row, int n)
{
    n = std::clamp(n, 0, ResultStore::kSteps);
    QList<QPointF> pts;
    pts.reserve(n);
    const long double* values = R.row(row);
    for (int i = 1; i <= n; ++i)
        pts.append(QPointF(30.0 * (i - 1), static_cast<double>(values[i])));
    return pts;
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
