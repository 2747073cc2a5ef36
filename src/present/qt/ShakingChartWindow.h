// SPDX-License-Identifier: GPL-3.0-or-later
// The hodograph of the shaking force ("Годограф сотрясающей силы"): F_sh,y against F_sh,x over
// the period the summary reads its figures from (FigureRun, 1° or finer), the picture a
// balancing chapter draws; with a counterweight also the curve the crank alone would draw, and
// the point of the crank-angle cursor.
#pragma once
#include <QWidget>

#include "calc/ResultStore.h"
#include "platform/Platform.h"

class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;

class ShakingChartWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the results of `store` with the parameter set they were computed with.
    ShakingChartWindow(const ResultStore& store, Platform& platform, QWidget* parent = nullptr);

    // Show handler: puts (fshx, fshy) of every step of the figures' period run into
    // "hodographSeries" and, with a counterweight, the force without it
    // (shakingForceWithoutCounterweight) into "withoutCounterweightSeries" (empty otherwise);
    // both axes span the same range about 0, so that a circle stays round in a square plot.
    // Without a calculation the series are empty and "shakingNote" says so.
    void fill();
    // The crank-angle cursor is at `step` of the run on screen: "cursorPoint" holds its
    // (fshx, fshy), or nothing beyond the computed steps.
    void showStep(int step);
    // Adds kStaleResultsSuffix to the window title while `stale`.
    void setResultsStale(bool stale);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ResultStore& R;
    Platform& platform;
    int step_ = 1;
    QLabel* note_ = nullptr;           // "shakingNote"
    QChartView* view_ = nullptr;       // "hodographView"
    QLineSeries* hodograph_ = nullptr; // "hodographSeries"
    QLineSeries* without_ = nullptr;   // "withoutCounterweightSeries"
    QScatterSeries* cursor_ = nullptr; // "cursorPoint"
};
