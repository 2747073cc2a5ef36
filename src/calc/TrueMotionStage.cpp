// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/TrueMotionStage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/UiText.h"
#include "calc/Summary.h"

long double summaryFlywheel(const ParamSet& p)
{
    ParamSet prescribed = p;
    prescribed.motion = MotionLaw::Prescribed;
    // An empty store with no steps: the figure run is made for the period, as the summary's is.
    const auto empty = std::make_unique<ResultStore>();
    const FigureRun run(*empty, prescribed, 0, static_cast<long double>(p.period));
    std::string why;
    const std::optional<FlywheelSizing> sizing = sizeFlywheel(
        run.store(), run.params(), run.steps(), summaryOptions(prescribed, prescribed.delta), &why);
    if (!sizing || !std::isfinite(sizing->flywheelInertia)) return 0;
    return std::max(0.0L, sizing->flywheelInertia);
}

long double trueMotionFlywheel(const ParamSet& p)
{
    return p.flywheel < 0 ? summaryFlywheel(p) : p.flywheel;
}

TrueMotionSetup trueMotionSetup(const ParamSet& p)
{
    TrueMotionSetup setup;
    setup.drive = driveSpec(p);
    setup.meanSpeed = p.fit0;
    setup.startSpeed = p.startSpeed;
    setup.span = rad(static_cast<long double>(p.period));
    return setup;
}

TrueMotionRun findTrueMotion(const ParamSet& p)
{
    TrueMotionRun run;
    if (p.mode != 0) {
        run.error = uiText("TrueMotion", "истинное движение считается только в режиме 360");
        return run;
    }
    if (!(p.step > 0) || !std::isfinite(p.step)) {
        run.error = uiText("TrueMotion", "для истинного движения нужен шаг больше нуля");
        return run;
    }
    run.flywheel = trueMotionFlywheel(p);
    const ReducedMachine machine(p, run.flywheel);
    const TrueMotionSetup setup = trueMotionSetup(p);
    std::string why;
    run.steady = steadyRunning(machine, setup, &why);
    if (!run.steady) {
        run.error = why;
        return run;
    }
    run.startUp = startUp(machine, setup, &run.startUpError);
    return run;
}

bool trueMotionStage(const ParamSet& p, ResultStore& R)
{
    auto run = std::make_shared<TrueMotionRun>(findTrueMotion(p));
    const auto fail = [&R, &run](std::string why) {
        run->error = std::move(why);
        R.setTrueMotion(run);
        return false;
    };
    if (!run->steady) return fail(run->error);
    const ReducedMachine machine(p, run->flywheel);
    const TrueMotionSetup setup = trueMotionSetup(p);

    const int n = std::clamp<int32_t>(p.N, 0, ResultStore::kSteps);
    std::vector<long double> turn(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i)
        turn[static_cast<size_t>(i - 1)] = static_cast<long double>(i - 1) * p.step;
    std::vector<long double> omega, epsilon, time;
    if (!sampleSteady(machine, setup, *run->steady, turn, omega, epsilon, time))
        return fail(
            uiText("TrueMotion", "установившееся движение не удалось прочесть на шагах расчёта"));
    long double* w = R.row(Quantity::omega_true);
    long double* e = R.row(Quantity::eps_true);
    long double* t = R.row(Quantity::t_true);
    for (int i = 1; i <= n; ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        w[i] = omega[k];
        e[i] = epsilon[k];
        t[i] = time[k];
    }
    R.setTrueMotion(run);
    return true;
}
