// SPDX-License-Identifier: GPL-3.0-or-later
// The quantity chart window (opened by "Параметры"): one row of the store, chosen by its grid
// caption in the combo box, drawn against the crank angle of the last calculation in a
// three-dimensional look, with a readout of the point under the mouse. Titled "График параметра"
// until a quantity is plotted, the chart asking for one, then "График: <caption>", the caption
// also above the chart. It owns its
// chart, the quantity box, the marks check box, the clear button and the popup menu; the chart
// takes whatever room the window is given.
#pragma once
#include <QStringList>
#include <QWidget>
#include <functional>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/qt/ChartView.h"

class QAction;
class QChart;
class QCheckBox;
class QComboBox;
class QLineSeries;
class QMenu;
class QPushButton;
class Chart3DView;

// The captions of the results grid rows 1, 2, ... that "Обновить" read from "scr.ini", in order
// (rows past the grid's last are left out); empty before the first refresh.
using CaptionSource = std::function<QStringList()>;

// Makes the open list of `box` wide enough to show its longest item whole, however narrow the box.
void fitListToItems(QComboBox* box);

class QuantityChartWindow : public QWidget {
    Q_OBJECT
public:
    // The chart reads N, fi0 and step from store.computedWith(), never from `params`, which
    // hold what is on screen now.
    QuantityChartWindow(const ParamSet& params, const ResultStore& store, Platform& platform,
                        CaptionSource captions, QWidget* parent = nullptr);

    // Show handler: rebuilds the list of quantityBox, one item per caption, keeping the edit text.
    void fill();
    // Change handler of quantityBox: clears the chart, then plots R[j + 1] for the selected item j
    // with its catalogue name and unit as the y axis title, and names the item's caption in the
    // window title and above the chart; typed text that selects no item leaves the chart empty
    // and the titles as they were before any choice.
    void quantityChosen();
    // The item quantityBox stands on: -1 while its text was typed rather than picked from the list.
    int chosenIndex() const;
    // Shows the value marks while marksCheck is checked.
    void applyMarksCheck();
    // "&Oчистить": clears the chart and its titles; the combo box keeps its selection.
    void clearChart();
    void saveImage();
    // Where quantityChosen() takes the curves it lays over the quantity (none without one).
    void setOverlaySource(OverlaySource source) { overlaySource_ = std::move(source); }
    // Adds kStaleResultsSuffix to the window title while `stale`.
    void setResultsStale(bool stale);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each object is named as it is called here, apart from the chart, which is chartView's.
    QChart* chart = nullptr;
    Chart3DView* chartView = nullptr;
    QLineSeries* series = nullptr; // the points; chartView draws them as a ribbon
    QComboBox* quantityBox = nullptr;
    QCheckBox* marksCheck = nullptr;    // "Отображать значения"
    QPushButton* clearButton = nullptr; // "&Oчистить"
    QMenu* popupMenu = nullptr;
    QAction* everyMarkAction = nullptr; // "Все значения"
    QAction* zoomResetAction = nullptr; // "Исходный масштаб"
    QAction* saveImageAction = nullptr; // "Сохранить изображение…"
    // Titles the window, the chart and its y axis after the quantity of store row `row`, shown by
    // `caption`; an empty caption: no quantity.
    void showQuantity(const QString& caption, int row);
    void updateWindowTitle();
    OverlaySource overlaySource_;
    const ResultStore& R;
    Platform& platform;
    CaptionSource captions_;
    bool typed_ = false; // the edit text was typed since the last pick from the list
    bool stale_ = false;
    QString plotted_; // the caption of the quantity shown, "" for none
};
