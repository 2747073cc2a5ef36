// SPDX-License-Identifier: GPL-3.0-or-later
// The run settings panel of the main window. It owns the step box ("Шаг расчета"), the cycle
// count field with its cycle type box ("Шаг-циклов") and the "Изменить" / "Применить" button, and
// runs their commands; their effects go through the parameter panel, which shows them.
#pragma once
#include <QObject>

#include "base/NumberText.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"

class ParameterPanel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class RunSettingsPanel : public QObject {
    Q_OBJECT
public:
    // Builds the "Параметры расчёта" box as a child of `client`, for the window's layout to place
    // (widget()); failures of its commands are shown through `platform`'s standard error report.
    RunSettingsPanel(QWidget* client, ParamSet& params, ParameterPanel& display, Platform& platform,
                     const NumberFormat& numbers, QObject* parent);

    // The box of the run settings.
    QWidget* widget() const;
    // Shows the step and the cycle count the parameter set holds (the step's item, or its degrees
    // when no item has it; the count (N - 1) / 24), without running the controls' commands.
    void showRunSettings();
    // The step box's items ("0,1°") written again with the separator in force now, the
    // selection and the typed text kept; no command runs.
    void showStepItems();
    // A step picked from the list or typed: applies it (a fine step warns).
    void stepChosen();
    // "Изменить" opens the count field; "Применить" closes it, applies the typed count and shows
    // the count in force, whether the typed one was taken or refused.
    void toggleCycleEdit();

private:
    void showCycleCount();
    // Object names as the fields are called here, the names tests find them by.
    QGroupBox* runSettings = nullptr;
    QLabel* stepCaption = nullptr;
    QComboBox* stepBox = nullptr;
    QLabel* cycleCaption = nullptr;
    QLineEdit* cycleCountEdit = nullptr;
    QComboBox* cycleTypeBox = nullptr;
    QPushButton* cycleEditButton = nullptr;
    ParamSet& P;
    ParameterPanel& display;
    const NumberFormat& numbers;
    int typedStepIndex_ = -1; // the item a typed text of the step box named, until a selection
};
