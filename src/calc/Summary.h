// SPDX-License-Identifier: GPL-3.0-or-later
// The summary of a run: what a designer comes for. The extremes of every quantity with where they
// are first reached, the peak joint forces, the slider's stroke, speed and acceleration, the
// rod's pressure angle, and the flywheel the run needs by the method of the constant driving
// moment. Computed from the result store and the parameter set the run was made with; the
// extremes from the run's steps, the flywheel and the peaks from one period at a step of 1° or
// finer (FigureRun), which a coarse run would miss.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "calc/FigureRun.h"
#include "calc/Quantities.h"
#include "calc/ResultStore.h"
#include "calc/RodReach.h"
#include "calc/SummaryPoint.h"
#include "params/ParamSet.h"

// The least and the greatest value of one quantity over the run; of values equal within 4 ulps
// of a double the first step wins.
struct QuantityExtremes {
    const QuantityInfo* quantity = nullptr;
    SummaryPoint min;
    SummaryPoint max;
};

// The flywheel by the method of the constant driving moment, over steps firstStep..lastStep
// (one whole period). Energies in J, moments in N·m, inertias in kg·m², ω in rad/s.
struct FlywheelSizing {
    long double delta = 0;           // the coefficient of speed fluctuation asked for
    long double omegaMean = 0;       // the period's angle over its duration
    long double meanMoment = 0;      // M_d: the constant moment delivering the period's work
    long double meanPower = 0;       // M_d·ω_m
    long double energySwing = 0;     // ΔT_max = max ΔT − min ΔT
    long double requiredInertia = 0; // ΔT_max / (δ·ω_m²)
    long double crankInertia = 0;    // i1 + m1·|OC1|² at step 1
    long double flywheelInertia = 0; // required − crank; ≤ 0 means no flywheel is needed
    int firstStep = 1;
    int lastStep = 1;
    bool omegaVaries = false; // fitt0 or fidtt not 0: the method holds only approximately
    // ΔT at each step of the period, in order (firstStep first), for the chart.
    std::vector<long double> surplus;
};

// What the summary is asked for: the load's period in degrees and the coefficient δ.
struct SummaryOptions {
    long double period = 360;
    long double delta = 0.05L;
    // The quantities whose extremes are wanted, in this order; nullopt for every catalogue
    // quantity. A sweep asks only for those its key figures read: scanning every row of every
    // variant would cost a fifth of the calculation.
    std::optional<std::vector<Quantity>> extremesOf = std::nullopt;
    // Only what the key figures read: the rod's pressure angle and the moment check, which no
    // figure reads, are left at 0.
    bool figuresOnly = false;
    // Where the period run of the figures is made when one is needed (FigureRun), its contents
    // replaced; a store with no stop flag. nullptr: the summary takes a store of its own. A
    // sweep passes one store per worker.
    ResultStore* scratch = nullptr;
};

// The options of a run's summary: the period of the run and the δ asked for now.
inline SummaryOptions summaryOptions(const ParamSet& run, long double delta)
{
    return {static_cast<long double>(run.period), delta};
}

struct RunSummary {
    int steps = 0;               // the steps summarised, 1..steps
    long double period = 0;      // degrees
    long double stepDegrees = 0; // the step of the run on screen, which the extremes are read at
    // One per catalogue quantity, in catalogue order, or one per options.extremesOf in its order.
    // These alone describe the run on screen; every figure below but the stroke and the moment
    // check comes from the run `basis` names.
    std::vector<QuantityExtremes> extremes;
    FigureBasis basis;
    std::optional<SummaryPoint> stroke; // when the crank turns fully; angle and step unused
    SummaryPoint sliderSpeed;           // peak |ybt|
    SummaryPoint sliderAcceleration;    // peak |ybtt|
    SummaryPoint pressureAngle;         // peak angle between the rod and the guide, degrees
    // Peak magnitudes of the joint forces in equilibrium (fbk, fak, fok) and of the guide's
    // side thrust |nb|.
    SummaryPoint jointB, jointA, jointO, sideThrust;
    SummaryPoint crankMoment; // peak |mo|
    // The largest |mb − mo| over the largest |mo|: the crank's moment from the forces against
    // the reduced moment from the powers (0 when mo is 0 throughout), over the run on screen.
    long double momentCheck = 0;
    // The load's work ∫ q·ybt dt over the flywheel's period, when a load is set and the run
    // covers a period.
    std::optional<long double> loadWork;
    std::optional<FlywheelSizing> flywheel;
    std::string flywheelError; // why there is no flywheel, when there is none
    // What makes the run's figures less than they seem: the slider's jump at a branch change in
    // mode 720, and an acceleration that grows at every step (+Fitt not 0), which makes the
    // results depend on the step.
    std::optional<BranchJump> branchJump;
    bool accelerationGrowsPerStep = false;
    ShakingFigures shaking; // from the figures' run; left empty for figuresOnly
    // The true motion of a run under the true law (the store's), with the δ asked for.
    std::optional<TrueMotionRun> trueMotion;
    long double deltaAsked = 0;
};

// The summary of steps 1..steps of `store`, run with `p`: the steps of the run on screen. steps
// is clamped to the store's capacity; with no steps the extremes are empty and the flywheel has
// its error. The figures come from FigureRun(store, p, steps, options.period, options.scratch).
RunSummary summarizeRun(const ResultStore& store, const ParamSet& p, int steps,
                        const SummaryOptions& options);

// The extremes of one store row over steps 1..steps (steps ≥ 1), the first step winning ties
// (values within 4 ulps of a double of each other).
QuantityExtremes rowExtremes(const ResultStore& store, const ParamSet& p, Quantity q, int steps);

// The distance between the slider's dead centres, √((l1+l2)² − b²) − √((l2−l1)² − b²), when the
// crank turns fully (|b| ≤ l2 − l1); nullopt otherwise.
std::optional<long double> sliderStroke(const ParamSet& p);

// The flywheel of the run in `store` over its first period (steps 1..K+1, K = period / step),
// or the message saying what to change. The summary calls it on its FigureRun.
std::optional<FlywheelSizing> sizeFlywheel(const ResultStore& store, const ParamSet& p, int steps,
                                           const SummaryOptions& options, std::string* error);
