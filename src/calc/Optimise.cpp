// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Optimise.h"

#include <nlopt.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "calc/KeyFigures.h"
#include "calc/Load.h"
#include "calc/Summary.h"
#include "calc/Sweep.h"
#include "params/ParamTable.h"

namespace {

std::optional<long double> whenRun(const RunSummary& s, long double v)
{
    if (s.steps < 1) return std::nullopt;
    return v;
}

// The sweep's variant of `one` (its value stored, the points placed) run on `store` and summed
// up in every figure of optimiseFigures(), the period run of the figures in `scratch`. The
// summary is the full one but for the extremes: the pressure angle is one of the figures.
SweepPoint figuresOf(const ParamSet& base, const SweepPlan& one, long double value,
                     ResultStore& store, ResultStore& scratch)
{
    SweepPoint out;
    out.value = value;
    const std::optional<ParamSet> p = sweepVariant(base, one, value, &out.reason);
    if (!p) return out;
    if (!loadFitsMechanism(*p)) {
        out.reason =
            uiText("Optimise", "нагрузка по ходу ползуна требует полного оборота кривошипа");
        return out;
    }
    // The previous candidate's values must not show through where this one writes nothing.
    if (const ParamSet* previous = store.computedWith())
        store.clearSteps(std::max(p->N, previous->N));
    const std::vector<StageFault> faults = stageFaults(runCalculation(*p, store));
    if (!faults.empty()) {
        out.reason = faults.front().message;
        return out;
    }
    SummaryOptions options = summaryOptions(*p, p->delta);
    options.extremesOf.emplace();
    options.scratch = &scratch;
    const RunSummary summary = summarizeRun(store, *p, p->N, options);
    for (const KeyFigure& figure : optimiseFigures()) {
        std::optional<long double> v = figure.read(summary);
        if (v && !std::isfinite(static_cast<double>(*v))) v.reset();
        out.figures.push_back(v);
    }
    out.ok = true;
    return out;
}

// What a run that failed, or gave no figure, costs: far above any figure, yet finite, so that
// COBYLA's linear models stay arithmetic.
constexpr double kPenalty = 1e20;
// A constraint counts as met within this part of its bound's size (at least 1): the local phase
// ends on the bound from either side.
constexpr long double kFeasibleSlack = 1e-9L;

size_t figureIndex(const std::string& key)
{
    const auto figures = optimiseFigures();
    for (size_t i = 0; i < figures.size(); ++i)
        if (key == figures[i].key) return i;
    return figures.size();
}

std::string knownFigures()
{
    std::string keys;
    for (const KeyFigure& f : optimiseFigures())
        keys += (keys.empty() ? "" : ", ") + std::string(f.key);
    return keys;
}

// The search's shared state: the plan read once, the history of each phase, the count and the
// best feasible figure for the progress, the stop flag.
struct Search {
    Search(const ParamSet& b, const OptimisePlan& p, const std::atomic<bool>& c,
           const OptimiseProgress& pr)
        : base(b), plan(p), cancel(c), progress(pr), objective(figureIndex(p.figure)),
          total(p.maxEvaluations)
    {
    }
    const ParamSet& base;
    const OptimisePlan& plan;
    const std::atomic<bool>& cancel;
    const OptimiseProgress& progress;
    size_t objective;                // index of the figure in optimiseFigures()
    std::vector<size_t> constrained; // the constraints' figures
    bool checkAssembly = false;      // l1, l2 or b varies
    int total;
    std::mutex lock;
    int done = 0;
    std::optional<long double> best;
    std::vector<long double> bestPoint;
    std::vector<std::vector<OptimiseEvaluation>> phases; // global restarts, then local

    long double objectiveOf(long double figure) const
    {
        switch (optimiseFigures()[objective].better) {
        case Better::Smaller:
            return figure;
        case Better::SmallerMagnitude:
            return std::fabs(figure);
        case Better::Larger:
            return -figure;
        }
        return figure;
    }
};

// The violation of constraint k by figure value v: > 0 when it is not met, in units of its
// bound's size.
long double violationOf(const OptimiseConstraint& c, long double v)
{
    const long double size = std::max(1.0L, std::fabs(c.value));
    switch (c.kind) {
    case OptimiseConstraint::Kind::AtMost:
        return (v - c.value) / size;
    case OptimiseConstraint::Kind::AtLeast:
        return (c.value - v) / size;
    case OptimiseConstraint::Kind::Equal:
        return (std::fabs(v - c.value) - c.tolerance) / size;
    }
    return 0;
}

// One thread's evaluations: its two stores and the last point's outcome, which the objective
// and every constraint of one point share.
class Evaluator {
public:
    Evaluator(Search& search, size_t phase) : s_(search), phase_(phase) {}

    struct Outcome {
        bool ran = false;
        long double objective = kPenalty;
        std::vector<long double> figures; // the constrained figures
        long double assembly = 1;         // (l1 + |b|) / l2 − 1: < 0 when the crank turns fully
    };

    const Outcome& at(const double* x)
    {
        const size_t n = s_.plan.variables.size();
        if (has_ && std::equal(x, x + n, last_.begin())) return outcome_;
        if (s_.cancel.load()) throw nlopt::forced_stop();
        last_.assign(x, x + n);
        has_ = true;
        evaluate();
        return outcome_;
    }

private:
    void evaluate()
    {
        const std::vector<long double> point(last_.begin(), last_.end());
        outcome_ = Outcome{};
        outcome_.figures.assign(s_.constrained.size(), 0);
        OptimiseEvaluation record{phaseName(), point, std::nullopt, 0};
        ParamSet p = s_.base;
        for (size_t i = 0; i < point.size(); ++i)
            storeParam(p, *findParam(s_.plan.variables[i].key), point[i]);
        outcome_.assembly = (p.l1 + std::fabs(static_cast<long double>(p.b))) / p.l2 - 1;
        if (!std::isfinite(outcome_.assembly)) outcome_.assembly = 1;
        if (!store_) {
            store_ = std::make_unique<ResultStore>();
            scratch_ = std::make_unique<ResultStore>();
        }
        // The sweep's variant: the first variable set through it, with the points placed.
        const OptimiseVariable& first = s_.plan.variables.front();
        const SweepPlan one{first.key, point[0], point[0], 1, true, s_.plan.decimal};
        const SweepPoint run = figuresOf(p, one, point[0], *store_, *scratch_);
        const std::optional<long double> figure = run.ok ? run.figures[s_.objective] : std::nullopt;
        bool ran = figure.has_value();
        for (size_t k = 0; ran && k < s_.constrained.size(); ++k) {
            const auto v = run.figures[s_.constrained[k]];
            if (v) outcome_.figures[k] = *v;
            ran = v.has_value();
        }
        outcome_.ran = ran;
        if (ran) {
            outcome_.objective = s_.objectiveOf(*figure);
            record.figure = figure;
            for (size_t k = 0; k < s_.constrained.size(); ++k)
                record.violation = std::max(
                    record.violation, violationOf(s_.plan.constraints[k], outcome_.figures[k]));
            if (s_.checkAssembly) record.violation = std::max(record.violation, outcome_.assembly);
        } else {
            record.violation = std::numeric_limits<long double>::infinity();
        }
        const std::lock_guard guard(s_.lock);
        s_.phases[phase_].push_back(record);
        ++s_.done;
        if (ran && record.violation <= kFeasibleSlack &&
            (!s_.best || s_.objectiveOf(*figure) < s_.objectiveOf(*s_.best))) {
            s_.best = figure;
            s_.bestPoint = point;
        }
        if (s_.progress) s_.progress(s_.done, s_.total, s_.best, s_.bestPoint);
    }

    std::string phaseName() const
    {
        return phase_ + 1 < s_.phases.size() ? "global" + std::to_string(phase_ + 1) : "local";
    }

    Search& s_;
    size_t phase_;
    std::vector<double> last_;
    bool has_ = false;
    Outcome outcome_;
    std::unique_ptr<ResultStore> store_, scratch_;
};

struct ConstraintData {
    Evaluator* evaluator;
    const Search* search;
    int k; // -1: the assembly
};

double objectiveFn(unsigned, const double* x, double*, void* data)
{
    return static_cast<double>(static_cast<Evaluator*>(data)->at(x).objective);
}

double constraintFn(unsigned, const double* x, double*, void* data)
{
    const auto* d = static_cast<const ConstraintData*>(data);
    const Evaluator::Outcome& o = d->evaluator->at(x);
    if (d->k < 0) return static_cast<double>(o.assembly);
    const OptimiseConstraint& c = d->search->plan.constraints[static_cast<size_t>(d->k)];
    if (!o.ran) return 1 + std::fabs(static_cast<double>(c.value));
    const long double v = o.figures[static_cast<size_t>(d->k)];
    // An equality is handed to NLopt as v − value with its tolerance.
    return static_cast<double>(c.kind == OptimiseConstraint::Kind::Equal    ? v - c.value
                               : c.kind == OptimiseConstraint::Kind::AtMost ? v - c.value
                                                                            : c.value - v);
}

// Runs `algorithm` from x with the search's objective and constraints, for at most `budget`
// objective calls; false when it was stopped by the cancel.
bool runPhase(Search& s, size_t phase, nlopt::algorithm algorithm, int budget,
              std::vector<double>& x, double step)
{
    const unsigned n = static_cast<unsigned>(x.size());
    nlopt::opt opt(algorithm, n);
    std::vector<double> low, high;
    for (const OptimiseVariable& v : s.plan.variables)
        low.push_back(static_cast<double>(v.low)), high.push_back(static_cast<double>(v.high));
    opt.set_lower_bounds(low);
    opt.set_upper_bounds(high);
    Evaluator evaluator(s, phase);
    opt.set_min_objective(objectiveFn, &evaluator);
    std::vector<ConstraintData> data;
    data.reserve(s.plan.constraints.size() + 1);
    if (s.checkAssembly) data.push_back({&evaluator, &s, -1});
    for (size_t k = 0; k < s.plan.constraints.size(); ++k)
        data.push_back({&evaluator, &s, static_cast<int>(k)});
    for (ConstraintData& d : data) {
        const OptimiseConstraint* c =
            d.k < 0 ? nullptr : &s.plan.constraints[static_cast<size_t>(d.k)];
        if (c && c->kind == OptimiseConstraint::Kind::Equal)
            opt.add_equality_constraint(constraintFn, &d, static_cast<double>(c->tolerance));
        else
            opt.add_inequality_constraint(constraintFn, &d, 0);
    }
    opt.set_maxeval(std::max(1, budget));
    if (algorithm == nlopt::GN_ISRES) {
        const int wide = 20 * static_cast<int>(n + 1);
        opt.set_population(static_cast<unsigned>(
            std::max(2 * static_cast<int>(n + 1), std::min(wide, budget / 5))));
    } else {
        opt.set_xtol_rel(1e-14);
        std::vector<double> steps;
        for (size_t i = 0; i < n; ++i)
            steps.push_back((high[i] - low[i]) * step);
        opt.set_initial_step(steps);
    }
    double value = 0;
    try {
        opt.optimize(x, value);
    } catch (const nlopt::forced_stop&) {
        if (s.cancel.load()) return false;
    } catch (const nlopt::roundoff_limited&) {
        // The best point so far is in the history, which is all the search reads.
    } catch (const std::invalid_argument&) {
    } catch (const std::runtime_error&) {
    }
    return !s.cancel.load();
}

// The best record: the least objective among the feasible, else the least violation.
const OptimiseEvaluation* bestOf(const Search& s, const std::vector<OptimiseEvaluation>& all)
{
    const OptimiseEvaluation* best = nullptr;
    for (const OptimiseEvaluation& e : all) {
        if (best == nullptr) {
            best = &e;
            continue;
        }
        const bool feasible = e.figure && e.violation <= kFeasibleSlack;
        const bool bestFeasible = best->figure && best->violation <= kFeasibleSlack;
        if (feasible != bestFeasible) {
            if (feasible) best = &e;
        } else if (feasible ? s.objectiveOf(*e.figure) < s.objectiveOf(*best->figure)
                            : e.violation < best->violation) {
            best = &e;
        }
    }
    return best;
}

} // namespace

std::span<const KeyFigure> optimiseFigures()
{
    static const std::vector<KeyFigure> figures = [] {
        const auto keys = keyFigures();
        std::vector<KeyFigure> all(keys.begin(), keys.end());
        all.push_back({"nb", UI_TEXT_NOOP("Figure", "|N_B| макс."), UI_TEXT_NOOP("Unit", "Н"),
                       Better::Smaller,
                       [](const RunSummary& s) { return whenRun(s, s.sideThrust.value); }});
        all.push_back({"pressure", UI_TEXT_NOOP("Figure", "угол давления макс."), "°",
                       Better::Smaller,
                       [](const RunSummary& s) { return whenRun(s, s.pressureAngle.value); }});
        all.push_back({"shaking", UI_TEXT_NOOP("Figure", "|F_sh| макс."),
                       UI_TEXT_NOOP("Unit", "Н"), Better::Smaller,
                       [](const RunSummary& s) { return whenRun(s, s.shaking.force.value); }});
        return all;
    }();
    return figures;
}

const KeyFigure* findOptimiseFigure(const std::string& key)
{
    const size_t at = figureIndex(key);
    return at < optimiseFigures().size() ? &optimiseFigures()[at] : nullptr;
}

std::string optimisePlanFault(const ParamSet& base, const OptimisePlan& plan)
{
    if (figureIndex(plan.figure) == optimiseFigures().size())
        return fillIn(uiText("Optimise", "неизвестный показатель '%1' (известны: %2)"),
                      {plan.figure, knownFigures()});
    if (plan.variables.empty())
        return uiText("Optimise", "не задано ни одного изменяемого параметра");
    for (size_t i = 0; i < plan.variables.size(); ++i) {
        const OptimiseVariable& v = plan.variables[i];
        const ParamInfo* info = findParam(v.key);
        if (info == nullptr ||
            (info->kind != ParamKind::Double && info->kind != ParamKind::Extended))
            return fillIn(
                uiText("Optimise", "'%1' нельзя изменять: нужен ключ вещественного параметра"),
                {v.key});
        for (size_t j = 0; j < i; ++j)
            if (plan.variables[j].key == v.key)
                return fillIn(uiText("Optimise", "'%1' задан дважды"), {v.key});
        for (const long double bound : {v.low, v.high}) {
            ParamSet probe = base;
            if (!std::isfinite(bound) || !paramValueFault(*info, bound).empty() ||
                !storeParam(probe, *info, bound))
                return fillIn(uiText("Optimise", "%1: границу %2 параметр не принимает"),
                              {v.key, FormatGeneral(bound, plan.decimal)});
        }
        if (!(v.low < v.high))
            return fillIn(uiText("Optimise", "%1: нижняя граница должна быть меньше верхней"),
                          {v.key});
    }
    for (const OptimiseConstraint& c : plan.constraints) {
        if (figureIndex(c.figure) == optimiseFigures().size())
            return fillIn(
                uiText("Optimise", "неизвестный показатель '%1' в ограничении (известны: %2)"),
                {c.figure, knownFigures()});
        if (!std::isfinite(c.value))
            return fillIn(uiText("Optimise", "%1: граница ограничения не конечна"), {c.figure});
        if (c.kind == OptimiseConstraint::Kind::Equal && !(c.tolerance > 0))
            return fillIn(uiText("Optimise", "%1: допуск равенства должен быть больше нуля"),
                          {c.figure});
    }
    if (plan.maxEvaluations < 10 * static_cast<int>(plan.variables.size()))
        return uiText("Optimise", "на каждый изменяемый параметр нужно не меньше 10 расчётов");
    return {};
}

std::optional<ParamSet> optimiseVariant(const ParamSet& base, const OptimisePlan& plan,
                                        const std::vector<long double>& point)
{
    ParamSet p = base;
    for (size_t i = 0; i < point.size() && i < plan.variables.size(); ++i) {
        const ParamInfo* info = findParam(plan.variables[i].key);
        if (info == nullptr || !storeParam(p, *info, point[i])) return std::nullopt;
    }
    const SweepPlan none{plan.variables.front().key, point[0], point[0], 1, true, plan.decimal};
    return sweepVariant(p, none, point[0], nullptr);
}

std::optional<OptimiseResult> optimise(const ParamSet& base, const OptimisePlan& plan,
                                       const std::atomic<bool>& cancel,
                                       const OptimiseProgress& progress)
{
    int jobs = plan.jobs > 0 ? plan.jobs
                             : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int globalBudget = plan.maxEvaluations * 2 / 5;
    jobs = std::clamp(jobs, 1, std::max(1, globalBudget / 20)); // a restart needs some room
    Search s(base, plan, cancel, progress);
    for (const OptimiseConstraint& c : plan.constraints)
        s.constrained.push_back(figureIndex(c.figure));
    for (const OptimiseVariable& v : plan.variables)
        s.checkAssembly = s.checkAssembly || v.key == "l1" || v.key == "l2" || v.key == "b";
    s.phases.resize(static_cast<size_t>(jobs) + 1);

    // The start: the base's values, or the middle of a range that does not hold them.
    std::vector<double> start;
    for (const OptimiseVariable& v : plan.variables) {
        const long double now = paramValue(base, *findParam(v.key));
        start.push_back(
            static_cast<double>(now >= v.low && now <= v.high ? now : (v.low + v.high) / 2));
    }

    // The global phase: independent restarts, each on a thread with its own seed (NLopt keeps
    // its random state per thread), since ISRES asks for its population one point at a time.
    std::exception_ptr failure;
    const auto restart = [&](int t) {
        try {
            nlopt::srand(plan.seed + static_cast<unsigned>(t));
            std::vector<double> x = start;
            runPhase(s, static_cast<size_t>(t), nlopt::GN_ISRES, globalBudget / jobs, x, 0);
        } catch (...) {
            const std::lock_guard guard(s.lock);
            if (!failure) failure = std::current_exception();
        }
    };
    std::vector<std::thread> workers;
    int t = 1;
    try {
        for (; t < jobs; ++t)
            workers.emplace_back(restart, t);
    } catch (const std::system_error&) {
        // No more threads: the restarts not started are left out.
    }
    restart(0);
    for (std::thread& w : workers)
        w.join();
    if (failure) std::rethrow_exception(failure);
    if (cancel.load()) return std::nullopt;

    // The local phase from the best so far, each round starting closer.
    std::vector<OptimiseEvaluation> global;
    for (size_t i = 0; i + 1 < s.phases.size(); ++i)
        global.insert(global.end(), s.phases[i].begin(), s.phases[i].end());
    const OptimiseEvaluation* from = bestOf(s, global);
    std::vector<double> x = start;
    if (from) x.assign(from->point.begin(), from->point.end());
    const size_t local = s.phases.size() - 1;
    for (double step = 0.05; step > 1e-7 && s.done + 2 < s.total; step /= 10) {
        if (!runPhase(s, local, nlopt::LN_COBYLA, s.total - s.done, x, step)) return std::nullopt;
        const OptimiseEvaluation* now = bestOf(s, s.phases[local]);
        if (now) x.assign(now->point.begin(), now->point.end());
    }

    OptimiseResult result;
    for (const auto& phase : s.phases)
        result.history.insert(result.history.end(), phase.begin(), phase.end());
    result.evaluations = static_cast<int>(result.history.size());
    const OptimiseEvaluation* best = bestOf(s, result.history);
    if (best && best->figure && best->violation <= kFeasibleSlack) {
        result.point = best->point;
        result.figure = *best->figure;
        result.best = optimiseVariant(base, plan, best->point);
        return result;
    }
    std::string where;
    if (best) {
        for (size_t i = 0; i < best->point.size(); ++i)
            where += (i ? ", " : "") + plan.variables[i].key + " = " +
                     FormatGeneral(best->point[i], plan.decimal);
    }
    const std::string evaluations = std::to_string(result.evaluations);
    if (best && std::isfinite(best->violation))
        result.fault = fillIn(uiText("Optimise", "Ограничения не выполняются ни в одном из %1 "
                                                 "рассмотренных вариантов: ближе всех вариант %2, "
                                                 "нарушение %3 (в долях границы ограничения). "
                                                 "Ослабьте ограничения или расширьте пределы "
                                                 "параметров"),
                              {evaluations, where, FormatGeneral(best->violation, plan.decimal)});
    else
        result.fault = fillIn(uiText("Optimise", "Ограничения не выполняются ни в одном из %1 "
                                                 "рассмотренных вариантов: ни один вариант не "
                                                 "рассчитан. Проверьте пределы параметров"),
                              {evaluations});
    return result;
}

SweepPoint evaluateDesign(const ParamSet& base, const OptimisePlan& plan,
                          const std::vector<long double>& point)
{
    ParamSet p = base;
    for (size_t i = 1; i < point.size() && i < plan.variables.size(); ++i)
        storeParam(p, *findParam(plan.variables[i].key), point[i]);
    const auto store = std::make_unique<ResultStore>(), scratch = std::make_unique<ResultStore>();
    const SweepPlan one{plan.variables.front().key, point[0], point[0], 1, true, plan.decimal};
    return figuresOf(p, one, point[0], *store, *scratch);
}
