// SPDX-License-Identifier: GPL-3.0-or-later
// The Mo/E chart window ("Графики"): the reduced moment Mo and the accumulated work E against the
// crank angle of the last calculation, with value marks that the popup menu switches per series
// (or shows all of), and a readout of the point under the mouse. It owns its chart, the two series
// and the popup menu; the chart takes whatever room the window is given.
#pragma once
#include <QWidget>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/qt/ChartView.h"

class QAction;
class QChart;
class QLineSeries;
class QMenu;
class MarkedChartView;

class MoEChartWindow : public QWidget {
    Q_OBJECT
public:
    // The chart reads N, fi0 and step from store.computedWith(), never from `params`, which
    // hold what is on screen now.
    MoEChartWindow(const ParamSet& params, const ResultStore& store, Platform& platform,
                   QWidget* parent = nullptr);

    // Show handler: puts the points (fi(i), mo(i)) and (fi(i), e(i)), fi(i) the crank angle of
    // step i in degrees, i = 1..N of the last calculation, into "Mo" and "E" in one replacement
    // each, and fits the axes to them. Before any calculation both are empty.
    void fill();
    // Adds kStaleResultsSuffix to the window title while `stale`.
    void setResultsStale(bool stale);
    // Toggle the value marks of "Mo" (moMarksAction) and of "E" (eMarksAction) with their check
    // marks.
    void toggleMoMarks();
    void toggleEMarks();
    // Asks for a file name and saves the chart as a PNG image; a failed write is reported.
    void saveImage();
    // Where fill() takes the curves it lays over Mo and E (none without one).
    void setOverlaySource(OverlaySource source) { overlaySource_ = std::move(source); }
    const MarkedChartView& view() const { return *chartView; }

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
    QAction* everyMarkAction = nullptr; // "Все значения"
    QAction* saveImageAction = nullptr; // "Сохранить изображение…"
    QAction* zoomResetAction = nullptr; // "Исходный масштаб"
    OverlaySource overlaySource_;
    const ResultStore& R;
    Platform& platform;
};
