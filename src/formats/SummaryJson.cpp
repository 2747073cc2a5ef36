// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SummaryJson.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "base/Errors.h"
#include "base/FullPrecision.h"

namespace {

using Json = nlohmann::ordered_json;

// A value as a JSON number; null for one that is no number (not applicable). A value beyond the
// range of a double is refused, as every output refuses it: written as null, it could not be
// told from "not applicable".
Json number(long double v, const std::string& key)
{
    if (std::isnan(v)) return Json(nullptr);
    const double d = static_cast<double>(v);
    if (!std::isfinite(d)) {
        char text[kFullPrecisionSize];
        throw UnreadableOutputError(
            "the summary's \"" + key + "\", " +
            std::string(text, writeFullPrecision(v, '.', text)) +
            ", lies beyond the range of a double: a reader of the summary would take it for "
            "infinity");
    }
    return Json(d);
}

Json peak(const SummaryPoint& p, const std::string& key)
{
    return Json{{"value", number(p.value, key + ".value")},
                {"angle", number(p.angle, key + ".angle")}};
}

Json flywheel(const FlywheelSizing& f)
{
    const std::string at = "flywheel.";
    return Json{{"delta", number(f.delta, at + "delta")},
                {"omega_mean", number(f.omegaMean, at + "omega_mean")},
                {"mean_moment", number(f.meanMoment, at + "mean_moment")},
                {"mean_power", number(f.meanPower, at + "mean_power")},
                {"energy_swing", number(f.energySwing, at + "energy_swing")},
                {"required_inertia", number(f.requiredInertia, at + "required_inertia")},
                {"crank_inertia", number(f.crankInertia, at + "crank_inertia")},
                {"flywheel_inertia", number(f.flywheelInertia, at + "flywheel_inertia")},
                {"first_step", f.firstStep},
                {"last_step", f.lastStep}};
}

// Which run the peaks and the flywheel were read from, and at which step.
Json basis(const FigureBasis& b)
{
    Json out{{"source", b.source == FigureSource::Period ? "period" : "run_steps"},
             {"step", number(b.stepDegrees, "figures_from.step")},
             {"span", b.source == FigureSource::Period ? number(b.spanDegrees, "figures_from.span")
                                                       : Json(nullptr)},
             {"steps", b.steps},
             {"run_step", number(b.runStepDegrees, "figures_from.run_step")},
             {"reused", b.reused},
             {"step_adjusted", b.stepAdjusted}};
    if (b.periodRunFaulted)
        out["period_run_fault"] =
            Json{{"step", number(b.faultStepDegrees, "figures_from.period_run_fault.step")},
                 {"angle", number(b.faultAngle, "figures_from.period_run_fault.angle")}};
    return out;
}

// The shaking figures: the two peaks always, the counterweight and a centric mechanism's
// unbalanced forces where they apply.
void shaking(Json& doc, const ShakingFigures& f)
{
    doc["shaking_force_peak"] = peak(f.force, "shaking_force_peak");
    doc["shaking_moment_peak"] = peak(f.moment, "shaking_moment_peak");
    if (f.counterweight) {
        const std::string at = "counterweight.";
        doc["counterweight"] =
            Json{{"mass_radius", number(f.counterweight->massRadius, at + "mass_radius")},
                 {"angle", number(f.counterweight->angle, at + "angle")},
                 {"fraction", number(f.counterweight->fraction, at + "fraction")},
                 {"shaking_force_peak_without",
                  peak(f.counterweight->forceWithout, at + "shaking_force_peak_without")}};
    }
    if (f.primary) doc["primary_peak"] = peak(*f.primary, "primary_peak");
    if (f.secondary) doc["secondary_peak"] = peak(*f.secondary, "secondary_peak");
    if (f.reciprocating) doc["reciprocating_peak"] = peak(*f.reciprocating, "reciprocating_peak");
}

} // namespace

std::string summaryJson(const RunSummary& s, const std::optional<RunStop>& stop)
{
    Json doc = Json::object();
    doc["steps"] = s.steps;
    doc["step"] = number(s.stepDegrees, "step");
    doc["period"] = number(s.period, "period");
    Json extremes = Json::object();
    for (const QuantityExtremes& x : s.extremes) {
        const std::string at = std::string("extremes.") + x.quantity->name + ".";
        extremes[x.quantity->name] = Json{{"min", number(x.min.value, at + "min")},
                                          {"min_step", x.min.step},
                                          {"min_angle", number(x.min.angle, at + "min_angle")},
                                          {"max", number(x.max.value, at + "max")},
                                          {"max_step", x.max.step},
                                          {"max_angle", number(x.max.angle, at + "max_angle")}};
    }
    doc["extremes"] = std::move(extremes);
    // The stroke is a length of the mechanism, reached at no particular angle.
    const Json stroke = s.stroke ? Json{{"value", number(s.stroke->value, "peaks.stroke.value")},
                                        {"angle", nullptr}}
                                 : Json{{"value", nullptr}, {"angle", nullptr}};
    doc["figures_from"] = basis(s.basis);
    doc["peaks"] =
        Json{{"fb", peak(s.jointB, "peaks.fb")},
             {"fa", peak(s.jointA, "peaks.fa")},
             {"fo", peak(s.jointO, "peaks.fo")},
             {"nb", peak(s.sideThrust, "peaks.nb")},
             {"stroke", stroke},
             {"slider_speed", peak(s.sliderSpeed, "peaks.slider_speed")},
             {"slider_acceleration", peak(s.sliderAcceleration, "peaks.slider_acceleration")},
             {"pressure_angle", peak(s.pressureAngle, "peaks.pressure_angle")},
             {"mo", peak(s.crankMoment, "peaks.mo")}};
    doc["moment_check"] = number(s.momentCheck, "moment_check");
    shaking(doc, s.shaking);
    // Present only when they apply, so that the summary of an ordinary run keeps its keys.
    if (s.branchJump)
        doc["branch_jump"] =
            Json{{"step", s.branchJump->step},
                 {"angle", number(s.branchJump->angleDegrees, "branch_jump.angle")},
                 {"jump", number(s.branchJump->jump, "branch_jump.jump")}};
    if (s.accelerationGrowsPerStep) doc["acceleration_grows_per_step"] = true;
    if (s.loadWork) doc["load_work"] = number(*s.loadWork, "load_work");
    if (s.flywheel) {
        doc["flywheel"] = flywheel(*s.flywheel);
    } else {
        doc["flywheel"] = nullptr;
        doc["flywheel_error"] = s.flywheelError;
    }
    // Only under the true law, so that the summary of an ordinary run keeps its keys.
    if (s.trueMotion) {
        if (const auto& steady = s.trueMotion->steady) {
            const auto& up = s.trueMotion->startUp;
            const std::string at = "true_motion.";
            doc["true_motion"] =
                Json{{"delta_achieved", number(steady->delta, at + "delta_achieved")},
                     {"delta_asked", number(s.deltaAsked, at + "delta_asked")},
                     {"omega_min", number(steady->omegaMin, at + "omega_min")},
                     {"omega_max", number(steady->omegaMax, at + "omega_max")},
                     {"omega_mean", number(steady->omegaMean, at + "omega_mean")},
                     {"period_time", number(steady->periodTime, at + "period_time")},
                     {"flywheel_inertia", number(s.trueMotion->flywheel, at + "flywheel_inertia")},
                     {"startup_time", up ? number(up->time, at + "startup_time") : Json()},
                     {"startup_turns", up ? number(up->turns, at + "startup_turns") : Json()}};
            if (!up) doc["true_motion"]["startup_error"] = s.trueMotion->startUpError;
        } else {
            doc["true_motion"] = nullptr;
            doc["true_motion_error"] = s.trueMotion->error;
        }
    }
    if (stop)
        doc["stopped"] = Json{{"stage", stageKey(stop->stage)},
                              {"step", stop->step},
                              {"angle", number(stop->angle, "stopped.angle")},
                              {"computed_steps", stop->computedSteps},
                              {"requested_steps", stop->requestedSteps},
                              {"message", stop->message}};
    return doc.dump(2) + "\n";
}
