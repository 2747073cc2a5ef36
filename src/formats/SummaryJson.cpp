// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SummaryJson.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json number(long double v)
{
    const double d = static_cast<double>(v);
    return std::isfinite(d) ? Json(d) : Json(nullptr);
}

Json peak(const SummaryPoint& p)
{
    return Json{{"value", number(p.value)}, {"angle", number(p.angle)}};
}

Json flywheel(const FlywheelSizing& f)
{
    return Json{{"delta", number(f.delta)},
                {"omega_mean", number(f.omegaMean)},
                {"mean_moment", number(f.meanMoment)},
                {"mean_power", number(f.meanPower)},
                {"energy_swing", number(f.energySwing)},
                {"required_inertia", number(f.requiredInertia)},
                {"crank_inertia", number(f.crankInertia)},
                {"flywheel_inertia", number(f.flywheelInertia)},
                {"first_step", f.firstStep},
                {"last_step", f.lastStep}};
}

// Which run the peaks and the flywheel were read from, and at which step.
Json basis(const FigureBasis& b)
{
    Json out{{"source", b.source == FigureSource::Period ? "period" : "run_steps"},
             {"step", number(b.stepDegrees)},
             {"span", b.source == FigureSource::Period ? number(b.spanDegrees) : Json(nullptr)},
             {"steps", b.steps},
             {"run_step", number(b.runStepDegrees)},
             {"reused", b.reused},
             {"step_adjusted", b.stepAdjusted}};
    if (b.periodRunFaulted)
        out["period_run_fault"] =
            Json{{"step", number(b.faultStepDegrees)}, {"angle", number(b.faultAngle)}};
    return out;
}

} // namespace

std::string summaryJson(const RunSummary& s, const std::optional<RunStop>& stop)
{
    Json doc = Json::object();
    doc["steps"] = s.steps;
    doc["step"] = number(s.stepDegrees);
    doc["period"] = number(s.period);
    Json extremes = Json::object();
    for (const QuantityExtremes& x : s.extremes)
        extremes[x.quantity->name] =
            Json{{"min", number(x.min.value)},       {"min_step", x.min.step},
                 {"min_angle", number(x.min.angle)}, {"max", number(x.max.value)},
                 {"max_step", x.max.step},           {"max_angle", number(x.max.angle)}};
    doc["extremes"] = std::move(extremes);
    // The stroke is a length of the mechanism, reached at no particular angle.
    const Json stroke = s.stroke ? Json{{"value", number(s.stroke->value)}, {"angle", nullptr}}
                                 : Json{{"value", nullptr}, {"angle", nullptr}};
    doc["figures_from"] = basis(s.basis);
    doc["peaks"] = Json{{"fb", peak(s.jointB)},
                        {"fa", peak(s.jointA)},
                        {"fo", peak(s.jointO)},
                        {"nb", peak(s.sideThrust)},
                        {"stroke", stroke},
                        {"slider_speed", peak(s.sliderSpeed)},
                        {"slider_acceleration", peak(s.sliderAcceleration)},
                        {"pressure_angle", peak(s.pressureAngle)},
                        {"mo", peak(s.crankMoment)}};
    doc["moment_check"] = number(s.momentCheck);
    // Present only when they apply, so that the summary of an ordinary run keeps its keys.
    if (s.branchJump)
        doc["branch_jump"] = Json{{"step", s.branchJump->step},
                                  {"angle", number(s.branchJump->angleDegrees)},
                                  {"jump", number(s.branchJump->jump)}};
    if (s.accelerationGrowsPerStep) doc["acceleration_grows_per_step"] = true;
    if (s.loadWork) doc["load_work"] = number(*s.loadWork);
    if (s.flywheel) {
        doc["flywheel"] = flywheel(*s.flywheel);
    } else {
        doc["flywheel"] = nullptr;
        doc["flywheel_error"] = s.flywheelError;
    }
    if (stop)
        doc["stopped"] = Json{{"stage", stageKey(stop->stage)},
                              {"step", stop->step},
                              {"angle", number(stop->angle)},
                              {"computed_steps", stop->computedSteps},
                              {"requested_steps", stop->requestedSteps},
                              {"message", stop->message}};
    return doc.dump(2) + "\n";
}
