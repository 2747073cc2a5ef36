// SPDX-License-Identifier: GPL-3.0-or-later
// The Mo/E chart window ("Графики"): the reduced moment Mo and the accumulated work E against the
// step, with value marks that the popup menu switches per series. It owns its chart, the two series
// and the popup menu.
#pragma once
#include <QWidget>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"

class QAction;
class QChart;
class QLineSeries;
class QMenu;
class MarkedChartView;

class MoEChartWindow : public QWidget {
    Q_OBJECT
public:
    MoEChartWindow(const ParamSet& params, const ResultStore& store, Platform& platform,
                   QWidget* parent = nullptr);

    // Show handler: puts the points (30 (i - 1), mo(i)) and (30 (i - 1), e(i)),
    // i = 1..N, into "Mo" and "E" in one replacement each, and fits the axes to them.
    void fill();
    // Toggle the value marks of "Mo" (moMarksAction) and of "E" (eMarksAction) with their check
    // marks.
    void toggleMoMarks();
    void toggleEMarks();
    // Asks for a file name and saves the chart as a PNG image; a failed write is reported.
    void saveImage();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each object is named as it is called here, apart from the chart, which is chartView's.
    QChart* chart = nullptr;
    MarkedChartView* chartView = nullptr;
    // The points of "Mo" and "E"; chartView draws them (the chart holds stand-ins, see
    // ChartView.h).
    QLineSeries* moSeries = nullptr; // "Mo"
    QLineSeries* eSeries = nullptr;  // "E"
    QMenu* popupMenu = nullptr;
    QAction* moMarksAction = nullptr;   // "Отображать значения Mo"
    QAction* eMarksAction = nullptr;    // "Отображать значения E"
    QAction* saveImageAction = nullptr; // "Сохранить изображение…"
    QAction* zoomResetAction = nullptr; // "Исходный масштаб"
    const ParamSet& P;
    const ResultStore& R;
    Platform& platform;
};
