// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Calculation.h"

#include "base/NumberText.h"
#include "params/ParamTable.h"

CalcOutcome runCalculation(const ParamSet& p, ResultStore& R)
{
    // The seed lies outside every guard; each stage runs whatever the earlier ones did, on
    // whatever the store then holds.
    R.recordRun(p);
    writeKinematicSeed(p, R);
    CalcOutcome outcome;
    outcome.kinematicFailed =
        !kinematicStage(p, R, &outcome.kinematicFaultStep, &outcome.kinematicMessage);
    if (R.stopRequested(0)) return outcome;
    outcome.energyFailed = !energyStage(p, R, &outcome.energyFaultStep);
    if (R.stopRequested(0)) return outcome;
    outcome.forceFailed = !forceStage(p, R, &outcome.forceFaultStep);
    if (R.stopRequested(0)) return outcome;
    outcome.equilibriumFailed = !equilibriumStage(p, R, &outcome.equilibriumFaultStep);
    return outcome;
}

bool resultsStale(const ParamSet& onScreen, const ResultStore& R)
{
    return R.computedWith() != nullptr && !sameInputs(onScreen, *R.computedWith());
}

std::string stageFaultText(const char* message, const ParamSet& p, int i, char decimal)
{
    // Eighteen digits of precision keep the angle of any run in fixed notation.
    return std::string(message) + "\nШаг " + std::to_string(i) + ", угол кривошипа " +
           FormatFixed(crankAngleDegrees(p, i), 18, 2, decimal) + "°";
}

std::vector<StageFault> stageFaults(const CalcOutcome& outcome)
{
    const struct {
        bool failed;
        StageFault fault;
    } stages[] = {
        {outcome.kinematicFailed,
         {Stage::Kinematic, outcome.kinematicMessage, outcome.kinematicFaultStep}},
        {outcome.energyFailed, {Stage::Energy, kEnergyFault, outcome.energyFaultStep}},
        {outcome.forceFailed, {Stage::Force, kForceFault, outcome.forceFaultStep}},
        {outcome.equilibriumFailed,
         {Stage::Equilibrium, kEquilibriumFault, outcome.equilibriumFaultStep}},
    };
    std::vector<StageFault> faults;
    for (const auto& s : stages)
        if (s.failed) faults.push_back(s.fault);
    return faults;
}
