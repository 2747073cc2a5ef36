// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Calculation.h"

#include <algorithm>
#include <string_view>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/TrueMotionStage.h"
#include "params/ParamTable.h"

CalcOutcome runCalculation(const ParamSet& p, ResultStore& R)
{
    // The seed lies outside every guard; each stage runs whatever the earlier ones did, on
    // whatever the store then holds.
    R.recordRun(p);
    CalcOutcome outcome;
    if (p.motion == MotionLaw::True && !trueMotionStage(p, R)) {
        // No steady running: no step has a speed to run with.
        outcome.kinematicFailed = true;
        outcome.kinematicFaultStep = 1;
        outcome.kinematicMessage = kTrueMotionFault;
    } else {
        writeKinematicSeed(p, R);
        outcome.kinematicFailed =
            !kinematicStage(p, R, &outcome.kinematicFaultStep, &outcome.kinematicMessage);
    }
    if (R.stopRequested(0)) return outcome;
    outcome.energyFailed = !energyStage(p, R, &outcome.energyFaultStep);
    if (R.stopRequested(0)) return outcome;
    outcome.forceFailed = !forceStage(p, R, &outcome.forceFaultStep);
    if (R.stopRequested(0)) return outcome;
    outcome.equilibriumFailed = !equilibriumStage(p, R, &outcome.equilibriumFaultStep);
    // A later stage may run on past an earlier one's fault, over steps that hold no result of
    // this run: only the steps before the first fault of any stage belong to it.
    for (const StageFault& fault : stageFaults(outcome))
        R.recordStop(fault);
    return outcome;
}

bool resultsStale(const ParamSet& onScreen, const ResultStore& R)
{
    return R.computedWith() != nullptr && !sameInputs(onScreen, *R.computedWith());
}

std::string stageFaultText(const char* message, const ParamSet& p, int i, char decimal)
{
    // Eighteen digits of precision keep the angle of any run in fixed notation.
    return uiText("Calculation", message) + "\n" +
           fillIn(uiText("Calculation", "Шаг %1, угол кривошипа %2°"),
                  {std::to_string(i), FormatFixed(crankAngleDegrees(p, i), 18, 2, decimal)});
}

std::optional<ParamSet> computedRun(const ResultStore& R)
{
    if (!R.computedWith()) return std::nullopt;
    ParamSet run = *R.computedWith();
    if (R.stoppedAt()) run.N = R.computedSteps();
    return run;
}

std::optional<RunStop> runStop(const ResultStore& R)
{
    const ParamSet* run = R.computedWith();
    const std::optional<StageFault>& stop = R.stoppedAt();
    if (!run || !stop) return std::nullopt;
    return RunStop{stop->stage,       stop->message,
                   stop->step,        crankAngleDegrees(*run, stop->step),
                   R.computedSteps(), std::clamp(run->N, 0, ResultStore::kSteps)};
}

const char* stageKey(Stage stage)
{
    switch (stage) {
    case Stage::Kinematic:
        return "kinematic";
    case Stage::Energy:
        return "energy";
    case Stage::Force:
        return "force";
    case Stage::Equilibrium:
        return "equilibrium";
    }
    return "";
}

std::string runStopText(const ResultStore& R, char decimal)
{
    const std::optional<RunStop> stop = runStop(R);
    if (!stop) return {};
    std::string message = uiText("Calculation", stop->message);
    // The stage's message opens with "Операция прервана. ": the note itself says so.
    const std::string interrupted = uiText("Calculation", "Операция прервана. ");
    if (message.starts_with(interrupted)) message.erase(0, interrupted.size());
    const std::string computed =
        stop->computedSteps > 0 ? fillIn(uiText("Calculation", "результаты только для шагов 1–%1"),
                                         {std::to_string(stop->computedSteps)})
                                : uiText("Calculation", "результатов нет");
    return fillIn(uiText("Calculation", "%1 (шаг %2 из %3), %4: %5"),
                  {runStopShortText(R, decimal), std::to_string(stop->step),
                   std::to_string(stop->requestedSteps), computed, message});
}

std::string runStopShortText(const ResultStore& R, char decimal)
{
    const std::optional<RunStop> stop = runStop(R);
    if (!stop) return {};
    return fillIn(uiText("Calculation", "Расчёт остановлен при φ = %1°"),
                  {FormatFixed(stop->angle, 18, 2, decimal)});
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
