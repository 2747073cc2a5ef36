// SPDX-License-Identifier: GPL-3.0-or-later
// "Синтез механизма": a window where the stroke H, the time ratio K and either λ = l1/l2 or the
// largest pressure angle are typed; it shows the design they give (or why there is none and
// the nearest value that can be met) as they are typed, and "Применить" stores l1, l2 and b and
// places the points as one undoable command.
#pragma once
#include <QWidget>
#include <optional>

#include "base/NumberText.h"
#include "params/ParamSet.h"
#include "params/Synthesis.h"

class ParameterPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class SynthesisWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window (object name "synthesisWindow"), hidden, its λ box holding l1/l2 of
    // `params`.
    SynthesisWindow(ParamSet& params, ParameterPanel& panel, const NumberFormat& numbers,
                    QWidget* parent = nullptr);

    // The requirements as typed (either separator taken), or nullopt while a box holds no
    // number; the outcome of synthesise for them is shown in "synthesisResult".
    std::optional<SynthesisRequest> request() const;
    // "Применить": the design stored into the set and the points placed, as one command
    // labelled "синтез механизма"; false, nothing stored, while there is no design.
    bool apply();

private:
    void update();
    ParamSet& P;
    ParameterPanel& panel;
    const NumberFormat& numbers;
    QLineEdit* strokeEdit = nullptr;    // "strokeEdit": H, м
    QLineEdit* ratioEdit = nullptr;     // "timeRatioEdit": K
    QRadioButton* byRatio = nullptr;    // "byRodRatio"
    QRadioButton* byAngle = nullptr;    // "byPressureAngle"
    QLineEdit* rodRatioEdit = nullptr;  // "rodRatioEdit": λ
    QLineEdit* pressureEdit = nullptr;  // "pressureAngleEdit": °
    QLabel* result = nullptr;           // "synthesisResult"
    QPushButton* applyButton = nullptr; // "applySynthesisButton"
};

// Shows the synthesis window of `owner` (made on first use, its child), raised to the front.
SynthesisWindow* showSynthesisWindow(QWidget* owner, ParamSet& params, ParameterPanel& panel,
                                     const NumberFormat& numbers);
