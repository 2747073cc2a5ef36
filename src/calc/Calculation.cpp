#include "calc/Calculation.h"

CalcOutcome runCalculation(const ParamSet& p, ResultStore& R)
{
    // The seed lies outside every guard; each stage runs whatever the earlier ones did, on
    // whatever the store then holds.
    writeKinematicSeed(p, R);
    CalcOutcome outcome;
    outcome.kinematicFailed = !kinematicStage(p, R);
    outcome.energyFailed = !energyStage(p, R);
    outcome.forceFailed = !forceStage(p, R);
    return outcome;
}
