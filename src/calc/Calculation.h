// The calculation: the kinematic seed and the three guarded stages over steps 1..N.
#pragma once
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The memo line the calculation command writes before any stage.
inline constexpr const char* kCalcMemo = "Был произведён новый расчёт...";

// Messages of the three guards, in stage order.
inline constexpr const char* kKinematicFault =
    "Операция прервана. Критическая Ошибка на этапе кинематического анализа.";
inline constexpr const char* kEnergyFault =
    "Операция прервана. Критическая Ошибка на этапе энергетического анализа.";
inline constexpr const char* kForceFault =
    "Операция прервана. Критическая Ошибка на этапе силового анализа.";

// Which stages stopped on an arithmetic fault.
struct CalcOutcome {
    bool kinematicFailed = false;
    bool energyFailed = false;
    bool forceFailed = false;
};

// Writes R[1..4][1] = 0, fitt0, 0, fit0.
void writeKinematicSeed(const ParamSet& p, ResultStore& R);
// Each stage returns false when it stopped at a faulting operation (that result not stored).
bool kinematicStage(const ParamSet& p, ResultStore& R);
bool energyStage(const ParamSet& p, ResultStore& R);
bool forceStage(const ParamSet& p, ResultStore& R);

// Seed, then the three stages in order, each run whatever the earlier ones did.
CalcOutcome runCalculation(const ParamSet& p, ResultStore& R);
