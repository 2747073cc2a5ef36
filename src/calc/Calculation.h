// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation: the kinematic seed and the four guarded stages over steps 1..N.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "base/UiText.h"
#include "calc/CrankAngle.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The calculation's messages below are source texts of context "Calculation": whatever shows one
// looks it up with uiText("Calculation", text) first.

// The memo line the calculation command writes before any stage.
inline constexpr const char* kCalcMemo =
    UI_TEXT_NOOP("Calculation", "Был произведён новый расчёт...");

// What the views and exports say before the first calculation, instead of showing zeros.
inline constexpr const char* kNoResultsMessage =
    UI_TEXT_NOOP("Calculation", "Нет результатов: сначала выполните «Расчет»");
// The line the main window shows while the parameters differ from those of the results.
inline constexpr const char* kStaleResultsText =
    UI_TEXT_NOOP("Calculation", "Результаты относятся к прежним параметрам: нажмите «Расчет»");

// Messages of the four guards, in stage order.
inline constexpr const char* kKinematicFault = UI_TEXT_NOOP(
    "Calculation", "Операция прервана. Критическая ошибка на этапе кинематического анализа.");
inline constexpr const char* kEnergyFault = UI_TEXT_NOOP(
    "Calculation", "Операция прервана. Критическая ошибка на этапе энергетического анализа.");
inline constexpr const char* kForceFault =
    UI_TEXT_NOOP("Calculation", "Операция прервана. Критическая ошибка на этапе силового анализа.");
inline constexpr const char* kEquilibriumFault =
    UI_TEXT_NOOP("Calculation", "Операция прервана. Критическая ошибка на этапе расчёта реакций.");

// Why the kinematic stage stopped when it was not an arithmetic fault: the crank's speed falls to
// zero before the next step's angle under the entered acceleration, or B leaves the guide x = b.
inline constexpr const char* kCrankStopsFault = UI_TEXT_NOOP(
    "Calculation",
    "Операция прервана. Кривошип останавливается, не дойдя до следующего угла: при заданном "
    "угловом ускорении его угловая скорость обращается в нуль. Уменьшите замедление или "
    "увеличьте Fit0.");
inline constexpr const char* kOffGuideFault = UI_TEXT_NOOP(
    "Calculation",
    "Операция прервана. Ползун сошёл с направляющей x = B: положения точек не согласуются с "
    "длинами звеньев или с ветвью шатуна. Выполните «Автозаполнение».");

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
    // The kinematic stage's message when it failed: kKinematicFault, kCrankStopsFault or
    // kOffGuideFault.
    const char* kinematicMessage = kKinematicFault;
};

// Writes dfi, fitt, dt and fit of step 1: 0, fitt0, 0, fit0.
void writeKinematicSeed(const ParamSet& p, ResultStore& R);
// Each stage returns false when it stopped at a faulting operation (that result not stored);
// *faultStep, when given, then names the step it stopped at, and is 0 after a full run.
// The kinematic stage integrates each step exactly for the acceleration at its start
// (w^2 = w0^2 + 2*alpha*dphi, dt = 2*dphi / (w0 + w), or dphi / w0 when alpha is 0), and stops
// where the crank would come to rest before the step's angle (*reason = kCrankStopsFault) or
// where B lies farther from the guide than guideTolerance (*reason = kOffGuideFault); any other
// stop leaves *reason = kKinematicFault.
bool kinematicStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr,
                    const char** reason = nullptr);
bool energyStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);
bool forceStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);
// The joint forces in equilibrium, from the force stage's rows: the x force at B that balances
// the rod about A (fbxk), the guide's reaction nb, the x forces at A and O, the crank's moment
// from the forces mb and the magnitudes at B, A and O. It faults where yb = ya. With B placed on
// A (the points never placed) it writes nothing and succeeds.
bool equilibriumStage(const ParamSet& p, ResultStore& R, int* faultStep = nullptr);

// The stages of `outcome` that stopped on a fault, in stage order.
std::vector<StageFault> stageFaults(const CalcOutcome& outcome);

// Records p as the store's parameter set, then the seed and the four stages in order, each
// run whatever the earlier ones did, and records the stages' faults in the store (recordStop):
// its computed steps then end before the earliest. When the store's stop flag is set
// (setStopFlag), it returns early with the store partly written and the outcome meaningless.
CalcOutcome runCalculation(const ParamSet& p, ResultStore& R);

// Whether the store holds results of parameters other than `onScreen` (sameInputs); false
// before the first calculation, when there are no results to differ.
bool resultsStale(const ParamSet& onScreen, const ResultStore& R);

// A stage's fault message with a second line naming where it stopped:
// "<message>\nШаг <i>, угол кривошипа <angle>°", the angle FormatFixed(angle, 18, 2) with
// `decimal` as the separator ("Шаг 13, угол кривошипа 180,00°"), in the user's language.
std::string stageFaultText(const char* message, const ParamSet& p, int i, char decimal);

// The parameter set of the stored run as views and exports read it: the recorded set with N
// cut to the computed steps (a whole run's set unchanged, so that its outputs do not change by
// a byte). nullopt before the first calculation.
std::optional<ParamSet> computedRun(const ResultStore& R);

// Where and why the stored run stopped part-way: the stage and its message, the fault's step
// and crank angle (degrees), the steps computed before it and the steps the run was asked for.
struct RunStop {
    Stage stage;
    const char* message;
    int step;
    long double angle;
    int computedSteps;
    int requestedSteps;
};
// The stop of the stored run; nullopt for a whole run or before the first one.
std::optional<RunStop> runStop(const ResultStore& R);

// The stage's name in English, for scripts: "kinematic", "energy", "force", "equilibrium".
const char* stageKey(Stage stage);

// What a run that stopped part-way says wherever its results are shown or written, on one line:
// "Расчёт остановлен при φ = <angle>° (шаг <i> из <N>), результаты только для шагов 1–<i-1>:
// <stage message>" ("результатов нет" when i is 1), with the stage message's opening
// "Операция прервана. " left out and the angle as stageFaultText writes it; "" for a whole run
// or before the first one. In the user's language.
std::string runStopText(const ResultStore& R, char decimal);
// Its opening alone, for a line or a name with little room: "Расчёт остановлен при φ =
// <angle>°"; "" for a whole run or before the first one.
std::string runStopShortText(const ResultStore& R, char decimal);
