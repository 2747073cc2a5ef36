// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation: the kinematic seed and the four guarded stages over steps 1..N.
#pragma once
#include <string>
#include <vector>

#include "calc/CrankAngle.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The memo line the calculation command writes before any stage.
inline constexpr const char* kCalcMemo = "Был произведён новый расчёт...";

// What the views and exports say before the first calculation, instead of showing zeros.
inline constexpr const char* kNoResultsMessage = "Нет результатов: сначала выполните «Расчет»";
// The line the main window shows while the parameters differ from those of the results.
inline constexpr const char* kStaleResultsText =
    "Результаты относятся к прежним параметрам: нажмите «Расчет»";

// Messages of the four guards, in stage order.
inline constexpr const char* kKinematicFault =
    "Операция прервана. Критическая ошибка на этапе кинематического анализа.";
inline constexpr const char* kEnergyFault =
    "Операция прервана. Критическая ошибка на этапе энергетического анализа.";
inline constexpr const char* kForceFault =
    "Операция прервана. Критическая ошибка на этапе силового анализа.";
inline constexpr const char* kEquilibriumFault =
    "Операция прервана. Критическая ошибка на этапе расчёта реакций.";

// Which stages stopped on an arithmetic fault, and at which step (0 when the stage ran through).
struct CalcOutcome {
    bool kinematicFailed = false;
    bool energyFailed = false;
    bool forceFailed = false;
    bool equilibriumFailed = false;
    int kinematicFaultStep = 0;
    int energyFaultStep = 0;
    int forceFaultStep = 0;
    int equilibriumFaultStep = 0;
};

// Writes dfi, fitt, dt and fit of step 1: 0, fitt0, 0, fit0.
void writeKinematicSeed(const ParamSet& p, ResultStore& R);
// Each stage returns false when it stopped at a faulting operation (that result not stored);
// *faultStep, when given, then names the step it stopped at, and is 0 after a full run.
bool kinematicStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);
bool energyStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);
bool forceStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);
// The joint forces in equilibrium, from the force stage's rows: the x force at B that balances
// the rod about A (fbxk), the guide's reaction nb, the x forces at A and O, the crank's moment
// from the forces mb and the magnitudes at B, A and O. It faults where yb = ya. With B placed on
// A (the points never placed) it writes nothing and succeeds.
bool equilibriumStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);

// A stage that stopped on a fault: which, its message (kKinematicFault, …) and its step.
struct StageFault {
    Stage stage;
    const char* message;
    int step;
};

// The stages of `outcome` that stopped on a fault, in stage order.
std::vector<StageFault> stageFaults(const CalcOutcome& outcome);

// Records p as the store's parameter set, then the seed and the four stages in order, each
// run whatever the earlier ones did. When the store's stop flag is set (setStopFlag), it returns
// early with the store partly written and the outcome meaningless.
CalcOutcome runCalculation(const ParamSet& p, ResultStore& R);

// Whether the store holds results of parameters other than `onScreen` (sameInputs); false
// before the first calculation, when there are no results to differ.
bool resultsStale(const ParamSet& onScreen, const ResultStore& R);

// A stage's fault message with a second line naming where it stopped:
// "<message>\nШаг <i>, угол кривошипа <angle>°", the angle FormatFixed(angle, 18, 2) with
// `decimal` as the separator ("Шаг 13, угол кривошипа 180,00°").
std::string stageFaultText(const char* message, const ParamSet& p, int i, char decimal);
