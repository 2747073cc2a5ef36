// SPDX-License-Identifier: GPL-3.0-or-later
// The load editor ("Нагрузка…"): a window of its own where the working load is drawn up (its
// kind, direction, period and table, filled by hand, from the clipboard, from a CSV file or from
// a preset) and applied to the parameter set as one undoable command. Also the one-line text
// the main window shows of the load in force.
#pragma once
#include <QString>
#include <QWidget>
#include <optional>

#include "params/LoadPresets.h"
#include "base/NumberText.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"

class ParameterPanel;
class QChartView;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableWidget;

// The main window's line: "Нагрузка: нет", or "Нагрузка: по углу, 37 точек, до 12,5 кН" (kind,
// points with the word's Russian plural, max |Q|: in kN with one decimal, a trailing zero
// dropped, from 1000 N on, else in N to three significant digits), with `decimal` as separator.
QString loadStatusText(const LoadTable& load, char decimal);

class LoadEditor : public QWidget {
    Q_OBJECT
public:
    // Builds the window (object name "loadEditor"), hidden, showing the load of `params`.
    LoadEditor(ParamSet& params, ParameterPanel& panel, Platform& platform,
               const NumberFormat& numbers, QWidget* parent = nullptr);

    // Shows the parameter set's load and period in every control; after a refused "Применить"
    // the table as typed stays instead, until the set's load or period changes.
    void showParams();
    // Puts `table` and `period` into the controls; the chart follows.
    void showLoad(const LoadTable& table, int32_t period);
    // The table the controls hold now, or nothing after a message naming the first row whose
    // cell is not a number.
    std::optional<LoadTable> table();
    int32_t period() const;
    // A preset into the controls; the indicator diagram also shows its form ("indicatorBox").
    void choosePreset(LoadPreset preset);
    // The indicator form's diagram converted into the table (Q = p * pi * d^2 / 4); a message
    // and nothing changed when a cell or the diameter is not a number.
    void convertIndicator();
    // Lines of `text` (fields split by tab or ';', a decimal comma allowed) appended as rows.
    void pasteRows(const QString& text);
    // The clipboard's text through pasteRows.
    void pasteClipboard();
    // Asks for a CSV file and reads it (readLoadCsv) for the period shown; a refused file is
    // shown and changes nothing.
    void importCsv();
    // "Применить": a table that passes checkLoadTable (and, by stroke, fits the mechanism)
    // becomes the set's load and period as one command labelled "нагрузка"; otherwise a message
    // names the row and the reason, nothing is stored and the controls keep what was typed.
    // True when stored.
    bool apply();

private:
    // apply's refusal: the table as typed is kept over the load then in force.
    bool refuseApply(const std::string& message);
    // The load and period in force when "Применить" was last refused, while the controls still
    // hold what was typed then.
    std::optional<std::pair<LoadTable, int32_t>> refusedOver_;
    void kindChanged();
    void refreshChart();
    void setHeaders();
    LoadKind kind() const;
    ParamSet& P;
    ParameterPanel& panel;
    Platform& platform;
    const NumberFormat& numbers;
    QComboBox* kindBox = nullptr; // "loadKindBox": нет / по углу / по положению ползуна
    QComboBox* directionBox = nullptr;    // "loadDirectionBox"
    QComboBox* periodBox = nullptr;       // "loadPeriodBox": 360° / 720°
    QComboBox* presetBox = nullptr;       // "loadPresetBox"
    QTableWidget* grid = nullptr;         // "loadTable"
    QChartView* chart = nullptr;          // "loadChart"
    QGroupBox* indicatorBox = nullptr;    // "indicatorBox": d, unit and the (φ, p) table
    QLineEdit* diameterEdit = nullptr;    // "pistonDiameterEdit", mm
    QComboBox* unitBox = nullptr;         // "pressureUnitBox": МПа / бар
    QTableWidget* pressureGrid = nullptr; // "pressureTable"
};
