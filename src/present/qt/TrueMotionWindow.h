// SPDX-License-Identifier: GPL-3.0-or-later
// The true-motion window ("Истинное движение"): for the run on screen, the crank's speed ω(φ)
// over the period with its mean and the band of the asked δ, the start-up's ω(t) and the reduced
// inertia J(φ) as three tabs, the figures beside them, and the choices the true motion is
// computed with (the law, the drive and the motor's figures, J_fw, the start-up's speed). Each
// choice changes the parameters through the parameter panel, as one step of the undo history.
// What is shown is worked out by trueMotionView (present/TrueMotionView.h).
#pragma once
#include <QWidget>
#include <optional>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/TrueMotionView.h"

class MarkedChartView;
class ParameterPanel;
class QChartView;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QLineSeries;
class QScrollArea;
class QTabWidget;

class TrueMotionWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the results of `store` with the parameter set they were computed with; shows and
    // changes the parameters on screen `params` through `panel`. Hidden until shown.
    TrueMotionWindow(const ResultStore& store, const ParamSet& params, ParameterPanel& panel,
                     Platform& platform, const NumberFormat& numbers, QWidget* parent = nullptr);

    // Show handler: the view of the last calculation (trueMotionView, with the δ on screen) into
    // the charts ("speedSeries" with "meanSpeedSeries", "bandLowSeries", "bandHighSeries";
    // "startUpSeries"; "inertiaSeries") and the figures ("trueMotionFigures"). Without a steady
    // running the charts are empty and the figures say why; without a calculation,
    // "trueMotionNote" says so. The cursor's point is shown again.
    void fill();
    // Shows the choices as the parameters on screen hold them, running no command.
    void showChoices();
    // The crank-angle cursor is at `step` of the run on screen: the ω(φ) and J(φ) charts get
    // their cursor line at its angle taken into the period, and "trueMotionCursor" its ω and J;
    // nothing beyond the computed steps.
    void showStep(int step);
    // Adds kStaleResultsSuffix to the window title while `stale`.
    void setResultsStale(bool stale);
    // The view filled last.
    const TrueMotionView& view() const { return view_; }

signals:
    // A click on the ω(φ) or J(φ) chart at crank angle `angle`: where the cursor is asked to go.
    void angleClicked(double angle);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildChoices(QWidget* parent);
    // Widens the side column to what its figures and choices need.
    void fitSide();
    // A real typed into the box of parameter `key` (either separator), stored through the
    // panel; a text that is no number or a value the parameter refuses is told, and nothing
    // changes.
    void storeTyped(const char* key, const QString& text);
    void lawChosen(int index);
    void driveChosen(int index);
    void flywheelFromSummary(bool fromSummary);

    const ResultStore& R;
    const ParamSet& P;
    ParameterPanel& panel;
    Platform& platform;
    const NumberFormat& numbers;
    TrueMotionView view_;
    int step_ = 1;
    QLabel* note_ = nullptr;                 // "trueMotionNote"
    QTabWidget* tabs_ = nullptr;             // "trueMotionTabs"
    MarkedChartView* speedView_ = nullptr;   // "speedView": ω(φ)
    MarkedChartView* inertiaView_ = nullptr; // "inertiaView": J(φ)
    QChartView* startUpView_ = nullptr;      // "startUpView": ω(t)
    QLineSeries* speed_ = nullptr;
    QLineSeries* mean_ = nullptr;
    QLineSeries* bandLow_ = nullptr;
    QLineSeries* bandHigh_ = nullptr;
    QLineSeries* inertia_ = nullptr;
    QLineSeries* startUp_ = nullptr;
    QScrollArea* side_ = nullptr;      // "trueMotionSide": the figures and the choices
    QFormLayout* figures_ = nullptr;   // in "trueMotionFigures"
    QLabel* cursor_ = nullptr;         // "trueMotionCursor"
    QComboBox* law_ = nullptr;         // "motionLawBox"
    QComboBox* drive_ = nullptr;       // "driveBox"
    QLineEdit* motorMoment_ = nullptr; // "mnEdit"
    QLineEdit* motorSpeed_ = nullptr;  // "wnEdit"
    QLineEdit* synchronous_ = nullptr; // "w0Edit"
    QCheckBox* fromSummary_ = nullptr; // "flywheelFromSummary"
    QLineEdit* flywheel_ = nullptr;    // "jfwEdit"
    QLineEdit* startSpeed_ = nullptr;  // "wStartEdit"
};
