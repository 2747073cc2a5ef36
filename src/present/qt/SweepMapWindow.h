// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep over two parameters ("Исследование двух параметров"): two keys, each from a value
// to a value in a number of steps, every combination calculated on every core off the toolkit's
// thread, and one chosen key figure shown over both as a heat map with contour lines. The
// line below the map gives the values the colours span, and the readout names the cell under
// the pointer: both values and the figure, or why the variant failed. A cell clicked can be kept
// as a variant.
#pragma once
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "base/NumberText.h"
#include "calc/SweepGrid.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/qt/BackgroundRun.h"

class HeatMapView;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

class SweepMapWindow : public QWidget {
    Q_OBJECT
public:
    // The most values a key takes here: a 100 × 100 map.
    static constexpr int kMaxSide = 100;

    // Sweeps from `params` as they stand when a sweep starts; numbers are read and written with
    // `numbers`' separator. Both must outlive the window.
    SweepMapWindow(const ParamSet& params, Platform& platform, const NumberFormat& numbers,
                   QWidget* parent = nullptr);

    // "Пуск": reads both keys' values ('.' or ',') and counts, the autofill box, and starts the
    // sweep on every core, the map cleared; a value that is no number is refused with a message
    // naming its field, a sweep sweepGridFault refuses (the same key twice) is told through the
    // standard error report, and nothing starts. Nothing happens while a sweep runs.
    void start();
    // "Отмена": stops the workers after the variants in hand; the map stays empty.
    void cancel();
    bool running() const { return running_; }
    // The rows of the sweep shown, in index order (empty before the first complete sweep).
    const std::vector<SweepRow>& rows() const { return rows_; }
    // The readout of cell (row, column) of the map shown: "L2 = 30; B = 1,5; J маховика =
    // 0,12 кг·м²", the figure replaced by the reason where the variant failed or gives none.
    QString readout(int row, int col) const;
    // "Сохранить как вариант": emits keepAsVariant for the selected cell's variant, named
    // "L2 = 30, B = 1,5"; without a selected cell, or for a variant that cannot be made, a
    // message says why.
    void keepSelected();

signals:
    void keepAsVariant(const ParamSet& params, const QString& suggestedName);
    // A sweep ended: complete (the map shows it) or cancelled or failed (the map empty).
    void sweepFinished(bool complete);

private:
    struct AxisInputs {
        QComboBox* key = nullptr;
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
        QSpinBox* count = nullptr;
    };
    AxisInputs addAxis(QGridLayout* grid, int line, const QString& title, int number);
    void fillFromKey(const AxisInputs& axis);
    // The end of the latest sweep, on the toolkit's thread: a complete one replaces the map.
    void finishRun(bool complete, std::vector<SweepRow> rows, const QString& failure,
                   const ParamSet& base, const SweepGrid& grid);
    void showMap();
    void showReadout(int row, int col);
    void setRunning(bool on);
    size_t chosenFigure() const;

    const ParamSet& P;
    Platform& platform;
    const NumberFormat& numbers;
    AxisInputs axes_[2];                  // "mapKey1", "mapFrom1", "mapTo1", "mapCount1", ... 2
    QCheckBox* autofillBox_ = nullptr;    // "mapAutofill"
    QComboBox* figureBox_ = nullptr;      // "mapFigure": item data is the figure's place
    QPushButton* startButton_ = nullptr;  // "mapStart"
    QPushButton* cancelButton_ = nullptr; // "mapCancel"
    QProgressBar* progress_ = nullptr;    // "mapProgress"
    QLabel* status_ = nullptr;            // "mapStatus"
    HeatMapView* view_ = nullptr;         // "mapView"
    QLabel* scale_ = nullptr;             // "mapScale": the values the colours span
    QLabel* readout_ = nullptr;           // "mapReadout"
    std::vector<SweepRow> rows_;
    ParamSet shownBase_;
    SweepGrid shownGrid_;
    bool running_ = false;
    // The sweep in progress; last, so that the window's end stops it and waits first.
    BackgroundRun job_{this};
};
