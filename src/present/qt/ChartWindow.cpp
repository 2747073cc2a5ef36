// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ChartWindow.h"

#include <QChart>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "base/NumberText.h"
#include "calc/Calculation.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/ScreenFit.h"

void setChartWindowFrame(QWidget* w, int x, int y, int width, int height)
{
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    w->resize(width, height);
    w->move(x, y);
    keepOnScreenWhenShown(w);
}

void fitToAvailableArea(QWidget* w)
{
    QScreen* screen = w->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The frame's decoration is known once the window system has framed the window; before
    // that the frame is the client area, and room for borders and a title bar is kept so that
    // the title bar does not end above the screen.
    QSize decoration = w->frameGeometry().size() - w->size();
    const bool framed = !decoration.isNull();
    if (!framed) decoration = QSize(16, 48);
    const QSize room = area.size() - decoration;
    const QSize fitted = w->size().boundedTo(room).expandedTo(w->minimumSize());
    if (fitted != w->size()) w->resize(fitted);
    // Placed with the frame it will have, so the title bar is not pushed above the screen. The
    // window system puts a window it has not framed yet at its client's position, so one moved to
    // the area's top keeps the title bar's room above it.
    const QRect frame(w->frameGeometry().topLeft(), fitted + decoration);
    QPoint target = placeInside(frame, area);
    if (!framed)
        target.setY(
            std::max(target.y(), area.top() + decoration.height() - decoration.width() / 2));
    if (target != w->frameGeometry().topLeft()) w->move(target);
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
    return QString::fromUtf8(q->name) + QStringLiteral(", ") + QString::fromUtf8(q->unit);
}

QString chartWindowTitle(const QString& base, bool stale)
{
    return stale ? base + kStaleResultsSuffix : base;
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
