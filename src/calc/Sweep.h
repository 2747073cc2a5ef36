// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sweep: one parameter (a real of the parameter table, or the load's scale) varied
// over evenly spaced values, each variant calculated and summed up in the key figures, on as many
// threads as asked. The window and the batch both run it; it knows no toolkit.
#pragma once
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The pseudo-key of the load's scale: every force of the load table times the value.
inline constexpr const char* kLoadScaleKey = "loadscale";
// The most values a sweep takes.
inline constexpr int kMaxSweepCount = 1000;

// What is swept: the key, the first and the last value, how many values (both ends included;
// 1 means `from` alone), and whether the autofill places the points for each value. `decimal` is
// the separator of the numbers in the reasons of failed variants.
struct SweepPlan {
    std::string key;
    long double from = 0;
    long double to = 0;
    int count = 1;
    bool autofill = false;
    char decimal = '.';
};

// Whether `key` can be swept: loadscale, or a parameter of kind Double or Extended.
bool sweepableKey(std::string_view key);

// Why `plan` cannot be swept from `base`, or "": a key sweepableKey refuses, a count outside
// 1..kMaxSweepCount, an end that is not finite or that the parameter refuses (paramValueFault,
// beyond the range of a double), or loadscale without a load in force.
std::string sweepPlanFault(const ParamSet& base, const SweepPlan& plan);

// The values of a sweep in order: from + (to − from)·i/(count − 1) for i = 0..count − 1, the last
// exactly `to`; {from} when count is 1; empty when count < 1.
std::vector<long double> sweepValues(const SweepPlan& plan);
// Value i of sweepValues(plan), computed alone: from for i <= 0, to for i >= count − 1.
long double sweepValueAt(const SweepPlan& plan, int i);

// The parameters of one variant: `base` with the key set to `value` (a Double parameter rounded
// to double, as the entry stores it; loadscale multiplies every force and, by stroke, every
// force away), then the autofill when the plan asks for it. nullopt when the value is refused or
// the autofill fails, *fault then saying why.
std::optional<ParamSet> sweepVariant(const ParamSet& base, const SweepPlan& plan, long double value,
                                     std::string* fault);

// One variant's outcome. `value` is the key's value as the variant holds it. When ok, figures
// holds one entry per keyFigures() row, in that order (nullopt where the run gives none); when
// not, reason says why in one line and figures is empty.
struct SweepPoint {
    long double value = 0;
    bool ok = false;
    // Why the variant failed; for one that ran, why some of its figures are missing (a run
    // shorter than the flywheel's period), empty when none is.
    std::string reason;
    std::vector<std::optional<long double>> figures;
};

// Calculates one variant in `store` (any store: its steps are cleared first, so the result is
// that of a fresh store bit for bit): sweepVariant, runCalculation, then summarizeRun with
// summaryOptions(p, p.delta), asking only for the extremes the figures read (keyFigureExtremes)
// and making the figures' period run in `scratch` (another store, reused the same way), read
// into the key figures. A variant fails with the reason of the
// first problem: the value or the autofill refused; a load by position the new mechanism cannot
// carry; a stage's fault, told as the rod's reach ("не собирается при φ = 183°") when the rod
// cannot pass some step, else as stageFaultText on one line; a key figure beyond the range of
// a double ("J маховика = 1,2E+320 вне диапазона double").
SweepPoint evaluateVariant(const ParamSet& base, const SweepPlan& plan, long double value,
                           ResultStore& store, ResultStore& scratch);

// Calculates the variant `p` as evaluateVariant does once its parameters are made (from the
// check of the load onwards), `decimal` in its reasons; the point's value is left 0.
SweepPoint evaluateSweptParams(const ParamSet& p, char decimal, ResultStore& store,
                               ResultStore& scratch);

// The refusal of a sweep's value field named `field` ("от", "до") holding `typed`, which is
// no number: "Поле «от»: «abc» — не число".
std::string sweepValueFault(const std::string& field, const std::string& typed);

// Called as variants finish: how many are done out of how many. Calls come from the workers,
// one at a time, `done` rising by one each call.
using SweepProgress = std::function<void(int done, int total)>;

// Every variant of `plan` from `base` on `jobs` threads (0: std::thread::hardware_concurrency();
// never more than there are variants), each thread with two stores of its own (the run and the
// figures' period run) reused for all its variants. The points come in the order of sweepValues
// whatever the threads. When `cancel` turns true the workers stop after the variant in hand and
// nullopt is returned: no partial result. An exception of a worker (no memory for a store) stops
// the others and is rethrown.
std::optional<std::vector<SweepPoint>> runSweep(const ParamSet& base, const SweepPlan& plan,
                                                int jobs, const std::atomic<bool>& cancel,
                                                const SweepProgress& progress = {});
