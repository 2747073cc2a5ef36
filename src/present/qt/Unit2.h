// The Mo/E chart window TForm2 ("Графики"): the reduced moment Mo (R[65]) and the accumulated
// work E (R[66]) against the step, with value marks that the popup menu switches per series.
#pragma once
#include <QWidget>

#include "platform/Platform.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

class QAction;
class QChart;
class QLineSeries;
class QMenu;
class MarkedChartView;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(const ParamSet& params, const ResultStore& store, Platform& platform,
           QWidget* parent = nullptr);

    QChart* Gr = nullptr;
    MarkedChartView* GrView = nullptr;
    // The points of "Mo" and "E"; GrView draws them (the chart holds stand-ins, see ChartView.h).
    QLineSeries* Series1 = nullptr; // "Mo"
    QLineSeries* Series2 = nullptr; // "E"
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr;            // "Отображать значения Mo"
    QAction* E1 = nullptr;            // "Отображать значения E"
    QAction* saveImageItem = nullptr; // "Сохранить изображение…"
    QAction* zoomResetItem = nullptr; // "Исходный масштаб"

    // Show handler: puts the points (30 (i - 1), R[65][i]) and (30 (i - 1), R[66][i]),
    // i = 1..N, into "Mo" and "E" in one replacement each, and fits the axes to them.
    void FormShow();
    // Toggle the value marks of "Mo" (N1) and of "E" (E1) with their check marks.
    void N1Click();
    void E1Click();
    // Asks for a file name and saves the chart as a PNG image; a failed write is reported.
    void saveImage();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ParamSet& P;
    const ResultStore& R;
    Platform& platform;
};
