// SPDX-License-Identifier: GPL-3.0-or-later
// The crank-angle cursor's control: a slider over the run's steps, a field in degrees, the arrow
// keys, a play button that turns the crank at a chosen speed, and the readout of chosen
// quantities at the cursor's step.
#pragma once
#include <QWidget>
#include <vector>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "present/CrankCursor.h"

class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QTimer;
class QToolButton;

class CursorControl : public QWidget {
    Q_OBJECT
public:
    // Drives `cursor`, which must outlive the control; reads the readout's values from R.
    CursorControl(CrankCursor& cursor, const ResultStore& R, QWidget* parent = nullptr);
    ~CursorControl() override;

    // The run the cursor walks: its steps and the angles of its steps (p), with `decimal` for
    // every number shown. Sets the cursor's step count and shows its step again.
    void setRun(const ParamSet& p, int steps, char decimal);
    // Shows the cursor's step on the slider, in the field and in the readout; the cursor's
    // listener, and after the results change.
    void showStep();

    // The quantities of the readout, in the order shown; the menu "cursorQuantities" picks them.
    const std::vector<Quantity>& readoutQuantities() const { return quantities_; }
    void setReadoutQuantities(std::vector<Quantity> quantities);
    // The readout's lines as shown, "name = value unit" each.
    QStringList readoutLines() const;

    // Playing: the cursor advances by the speed (steps per second, "cursorSpeed") and wraps to
    // step 1 after the last.
    bool playing() const;
    void setPlaying(bool on);
    // One tick of the play timer: `seconds` of play at the chosen speed.
    void advance(double seconds);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void angleEntered();
    void buildQuantityMenu();
    // Makes the readout's rows for quantities_ (names and units stay; values change by step).
    void buildReadoutRows();
    CrankCursor& cursor_;
    const ResultStore& R_;
    ParamSet run_;
    char decimal_ = '.';
    int id_ = -1;
    double owedSteps_ = 0; // play's fraction of a step carried to the next tick
    std::vector<Quantity> quantities_;
    QSlider* slider_ = nullptr;     // "cursorSlider"
    QLineEdit* angle_ = nullptr;    // "cursorAngle"
    QLabel* stepLabel_ = nullptr;   // "cursorStep"
    QToolButton* play_ = nullptr;   // "cursorPlay"
    QSpinBox* speed_ = nullptr;     // "cursorSpeed"
    QToolButton* choose_ = nullptr; // "cursorQuantities"
    QWidget* readout_ = nullptr;    // "cursorReadout": a row of labels per quantity
    std::vector<QLabel*> values_;   // "readoutValue_<name>", in the order of quantities_
    QTimer* timer_ = nullptr;
};
