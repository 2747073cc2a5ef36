// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Sweep.h"

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "calc/KeyFigures.h"
#include "calc/Load.h"
#include "calc/RodReach.h"
#include "calc/Summary.h"
#include "calc/SweepGrid.h"
#include "params/Autofill.h"
#include "params/ParamTable.h"

namespace {

const ParamInfo* realParam(std::string_view key)
{
    const ParamInfo* info = findParam(key);
    if (info == nullptr) return nullptr;
    return info->kind == ParamKind::Double || info->kind == ParamKind::Extended ? info : nullptr;
}

bool isLoadScale(std::string_view key)
{
    return key == kLoadScaleKey;
}

// Why `value` cannot be stored into the parameter, or "".
std::string valueFault(const ParamInfo& info, long double value)
{
    if (!std::isfinite(value))
        return fillIn(uiText("Sweep", "%1: значение не конечно"), {info.key});
    if (std::string fault = paramValueFault(info, value); !fault.empty()) return fault;
    ParamSet probe;
    if (!storeParam(probe, info, value))
        return fillIn(uiText("Sweep", "%1: значение за пределами типа double"), {info.key});
    return {};
}

// A multi-line message on one line, for a table cell or a CSV field.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// Why the stages of `p` stopped: the rod's reach when it cannot pass some step (the kinematic
// stage faults there), else the first failed stage's message with its step and angle.
std::string stageReason(const ParamSet& p, const CalcOutcome& outcome, char decimal)
{
    const std::vector<StageFault> faults = stageFaults(outcome);
    if (faults.empty()) return {};
    const RodReach reach = checkRodReach(p);
    if (reach.kind != RodReach::Kind::Clear) {
        const std::string angle = FormatGeneral(reach.angleDegrees, decimal);
        return reach.kind == RodReach::Kind::Unreachable
                   ? fillIn(uiText("Sweep", "не собирается при φ = %1°"), {angle})
                   : fillIn(uiText("Sweep", "шатун перпендикулярен направляющей при φ = %1°"),
                            {angle});
    }
    return oneLine(stageFaultText(faults.front().message, p, faults.front().step, decimal));
}

} // namespace

bool sweepableKey(std::string_view key)
{
    return isLoadScale(key) || realParam(key) != nullptr;
}

std::string sweepPlanFault(const ParamSet& base, const SweepPlan& plan)
{
    if (!sweepableKey(plan.key))
        return fillIn(
            uiText("Sweep", "'%1' нельзя исследовать: нужен ключ вещественного параметра или %2"),
            {plan.key, kLoadScaleKey});
    if (plan.count < 1 || plan.count > kMaxSweepCount)
        return fillIn(uiText("Sweep", "число значений должно быть от 1 до %1"),
                      {std::to_string(kMaxSweepCount)});
    if (isLoadScale(plan.key)) {
        if (!base.load.active())
            return uiText("Sweep", "масштаб нагрузки без нагрузки: задайте нагрузку");
        if (!std::isfinite(plan.from) || !std::isfinite(plan.to))
            return fillIn(uiText("Sweep", "%1: значение не конечно"), {kLoadScaleKey});
        return {};
    }
    const ParamInfo& info = *realParam(plan.key);
    if (std::string fault = valueFault(info, plan.from); !fault.empty()) return fault;
    return valueFault(info, plan.to);
}

long double sweepValueAt(const SweepPlan& plan, int i)
{
    if (i <= 0) return plan.from;
    // The last value is the one asked for, not the sum's rounding of it.
    if (i >= plan.count - 1) return plan.to;
    return plan.from + (plan.to - plan.from) * i / (plan.count - 1);
}

std::vector<long double> sweepValues(const SweepPlan& plan)
{
    std::vector<long double> values;
    if (plan.count < 1) return values;
    values.reserve(static_cast<size_t>(plan.count));
    for (int i = 0; i < plan.count; ++i)
        values.push_back(sweepValueAt(plan, i));
    return values;
}

std::optional<ParamSet> sweepVariant(const ParamSet& base, const SweepPlan& plan, long double value,
                                     std::string* fault)
{
    const auto refuse = [fault](std::string why) -> std::optional<ParamSet> {
        if (fault) *fault = std::move(why);
        return std::nullopt;
    };
    ParamSet p = base;
    if (isLoadScale(plan.key)) {
        for (LoadPoint& point : p.load.points) {
            point.force = point.force * value;
            point.forceAway = point.forceAway * value;
        }
        if (const auto bad = checkLoadTable(p.load, p.period))
            return refuse(fillIn(uiText("Sweep", "нагрузка × %1: %2"),
                                 {FormatGeneral(value, plan.decimal), bad->why}));
    } else {
        const ParamInfo* info = realParam(plan.key);
        if (info == nullptr)
            return refuse(fillIn(uiText("Sweep", "'%1' нельзя исследовать"), {plan.key}));
        if (std::string why = valueFault(*info, value); !why.empty()) return refuse(why);
        storeParam(p, *info, value);
    }
    if (plan.autofill && !autofillPoints(p)) return refuse(oneLine(autofillFaultText(p)));
    return p;
}

SweepPoint evaluateVariant(const ParamSet& base, const SweepPlan& plan, long double value,
                           ResultStore& store, ResultStore& scratch)
{
    std::string fault;
    const std::optional<ParamSet> p = sweepVariant(base, plan, value, &fault);
    if (!p) {
        SweepPoint point;
        point.value = value;
        point.reason = fault;
        return point;
    }
    SweepPoint point = evaluateSweptParams(*p, plan.decimal, store, scratch);
    const ParamInfo* info = realParam(plan.key);
    point.value = info ? paramValue(*p, *info) : value;
    return point;
}

SweepPoint evaluateSweptParams(const ParamSet& p, char decimal, ResultStore& store,
                               ResultStore& scratch)
{
    SweepPoint point;
    if (!loadFitsMechanism(p)) {
        point.reason =
            uiText("Sweep", "нагрузка по ходу ползуна требует полного оборота кривошипа");
        return point;
    }
    // The previous variant's values must not show through where this one writes nothing.
    if (const ParamSet* previous = store.computedWith())
        store.clearSteps(std::max(p.N, previous->N));
    const CalcOutcome outcome = runCalculation(p, store);
    point.reason = stageReason(p, outcome, decimal);
    if (!point.reason.empty()) return point;
    SummaryOptions options = summaryOptions(p, p.delta);
    const auto read = keyFigureExtremes();
    options.extremesOf.emplace(read.begin(), read.end());
    options.figuresOnly = true;
    options.scratch = &scratch;
    const RunSummary summary = summarizeRun(store, p, p.N, options);
    for (const KeyFigure& figure : keyFigures()) {
        const std::optional<long double> v = figure.read(summary);
        // A figure no double holds would reach the CSV and the summary as infinity: the variant
        // has no figures to compare, so it fails, saying which.
        if (v && !(std::isfinite(*v) && std::isfinite(static_cast<double>(*v)))) {
            point.figures.clear();
            point.reason = fillIn(uiText("Sweep", "%1 = %2 вне диапазона double"),
                                  {shownCaption(figure), FormatGeneral(*v, decimal)});
            return point;
        }
        point.figures.push_back(v);
    }
    point.ok = true;
    // M_d and J are left blank then: the row says why, as the summary does.
    if (!summary.flywheel) point.reason = summary.flywheelError;
    return point;
}

std::string sweepValueFault(const std::string& field, const std::string& typed)
{
    return fillIn(uiText("Sweep", "Поле «%1»: «%2» — не число"), {field, typed});
}

std::optional<std::vector<SweepPoint>> runSweep(const ParamSet& base, const SweepPlan& plan,
                                                int jobs, const std::atomic<bool>& cancel,
                                                const SweepProgress& progress)
{
    std::vector<SweepPoint> points;
    points.reserve(static_cast<size_t>(std::max(0, plan.count)));
    const SweepGrid grid{{plan}, plan.autofill, plan.decimal};
    const auto keep = [&points](const SweepRow& row) { points.push_back(row.point); };
    if (!runSweepGrid(base, grid, SweepShard{}, jobs, cancel, keep, progress)) return std::nullopt;
    return points;
}
