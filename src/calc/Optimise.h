// SPDX-License-Identifier: GPL-3.0-or-later
// The optimisation of a design: one key figure minimised (or, for a figure where more is better,
// maximised) over chosen real parameters within bounds, under constraints on key figures, with
// the mechanism required to assemble over the whole turn. NLopt does the search: a global phase
// of stochastic ranking evolution (ISRES), run as independent restarts with their own seeds on
// every core, then local refinements (COBYLA) from the best point found. Each evaluation is a
// whole run with its points placed afresh (the autofill), summed up in the key figures as the
// sweep does. It knows no toolkit.
#pragma once
#include <atomic>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/KeyFigures.h"
#include "calc/Sweep.h"
#include "params/ParamSet.h"

// The figures a search can improve or bound: every key figure (keyFigures(), in its order),
// then the guide's peak side thrust |N_B| ("nb") and the largest pressure angle ("pressure"),
// which the variants do not compare.
std::span<const KeyFigure> optimiseFigures();
// The figure with this key, or nullptr.
const KeyFigure* findOptimiseFigure(const std::string& key);

// A parameter varied between two bounds (a real of the parameter table).
struct OptimiseVariable {
    std::string key;
    long double low = 0, high = 0;
};

// A constraint on a key figure: figure ≤ value, figure ≥ value, or |figure − value| ≤ tolerance.
struct OptimiseConstraint {
    enum class Kind : uint8_t { AtMost, AtLeast, Equal };
    std::string figure; // a key of optimiseFigures()
    Kind kind = Kind::AtMost;
    long double value = 0;
    long double tolerance = 0; // Equal only
};

struct OptimisePlan {
    std::string figure; // the key figure to improve
    std::vector<OptimiseVariable> variables;
    std::vector<OptimiseConstraint> constraints;
    int maxEvaluations = 500; // runs in all, both phases
    int jobs = 0;             // threads of the global phase; 0: every core
    unsigned seed = 1;        // the first restart's seed; restart t takes seed + t
    char decimal = '.';       // the separator of the numbers in the messages
};

// One run of the search, in the order of the history: the global restarts in turn, then the
// local phase.
struct OptimiseEvaluation {
    std::string phase;                 // "global1", "global2", …, "local"
    std::vector<long double> point;    // the variables' values, in the plan's order
    std::optional<long double> figure; // nullopt where the run failed or gives no figure
    long double violation = 0;         // the largest constraint violation (0 when feasible)
};

struct OptimiseResult {
    // The best design that meets every constraint (within its tolerance), its parameters with
    // the points placed; nullopt when none does, `fault` then saying why.
    std::optional<ParamSet> best;
    std::vector<long double> point;
    long double figure = 0;
    std::string fault;
    int evaluations = 0;
    std::vector<OptimiseEvaluation> history;
};

// Why `plan` cannot be run from `base`, or "": an unknown figure or a figure in a constraint
// (with the keys that are known), no variable, a variable that is not a real parameter or is
// given twice, a bound that is not finite or that the parameter refuses, low ≥ high, an equal
// constraint's tolerance not > 0, a budget below 10 evaluations per variable.
std::string optimisePlanFault(const ParamSet& base, const OptimisePlan& plan);

// Called after every evaluation: the runs done, the budget, the best feasible figure so far
// (nullopt while none is feasible) and its point (empty then). Calls come from the workers, one
// at a time.
using OptimiseProgress = std::function<void(int done, int total, std::optional<long double> best,
                                            const std::vector<long double>& bestPoint)>;

// The search. The objective is the figure itself for Better::Smaller, its magnitude for
// Better::SmallerMagnitude and its negative for Better::Larger; a run that fails or gives no
// figure counts as violating every constraint. The mechanism must assemble over the whole
// turn: l1 + |b| < l2. About two fifths of the budget goes to the global phase, split among
// the restarts; the rest to COBYLA from the best point (the least violating while none is
// feasible), repeated with a smaller first step while budget remains. When `cancel` turns true
// the search stops after the runs in hand and nullopt is returned. The plan must pass
// optimisePlanFault.
std::optional<OptimiseResult> optimise(const ParamSet& base, const OptimisePlan& plan,
                                       const std::atomic<bool>& cancel,
                                       const OptimiseProgress& progress = {});

// The parameters of `base` with the variables set to `point` and the points placed; nullopt when
// a value is refused or the autofill fails.
std::optional<ParamSet> optimiseVariant(const ParamSet& base, const OptimisePlan& plan,
                                        const std::vector<long double>& point);

// Every figure of optimiseFigures() the design `point` gives (the sweep's variant on stores of
// its own, the points placed, summed up), for comparing a design before and after the search.
// Not ok, with a reason, when the variant is refused or a stage faults.
SweepPoint evaluateDesign(const ParamSet& base, const OptimisePlan& plan,
                          const std::vector<long double>& point);
