// The parameter chart window TForm3 ("CGA"): one row of the store, chosen by its grid caption in
// the combo box, drawn in a three-dimensional look.
#pragma once
#include <QStringList>
#include <QWidget>
#include <functional>

#include "platform/Platform.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

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
// The main window's captions: cells (0, k) of its grid for k = 1..scrrows - 1.
QStringList gridRowCaptions();

class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3(const ParamSet& params, const ResultStore& store, Platform& platform,
           CaptionSource captions = gridRowCaptions, QWidget* parent = nullptr);

    QChart* CGA = nullptr;
    Chart3DView* CGAView = nullptr;
    QLineSeries* Series1 = nullptr; // the points; CGAView draws them as a ribbon
    QComboBox* cbx = nullptr;
    QCheckBox* CheckBox1 = nullptr; // "Отображать значения"
    QPushButton* BitBtn1 = nullptr; // "&Oчистить"
    QMenu* PopupMenu1 = nullptr;
    QAction* zoomResetItem = nullptr; // "Исходный масштаб"
    QAction* saveImageItem = nullptr; // "Сохранить изображение…"

    // Show handler: rebuilds the list of cbx, one item per caption, keeping the edit text.
    void FormShow();
    // Change handler of cbx: clears the chart, then plots R[j + 1] for the selected item j;
    // typed text that selects no item leaves the chart empty.
    void cbxChange();
    // The item cbx stands on: -1 while its text was typed rather than picked from the list.
    int cbxItemIndex() const;
    // Shows the value marks while CheckBox1 is checked.
    void CheckBox1Click();
    // "&Oчистить": clears the chart; the combo box keeps its selection.
    void BitBtn1Click();
    void saveImage();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ParamSet& P;
    const ResultStore& R;
    Platform& platform;
    CaptionSource captions_;
    bool typed_ = false; // the edit text was typed since the last pick from the list
};
