// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up: the equation of motion integrated in time from a given speed, period by period.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include <boost/math/tools/toms748_solve.hpp>

#include "base/UiText.h"
#include "calc/MotionOde.h"
#include "calc/TrueMotion.h"

using namespace motion_detail;

namespace {

// The start-up, which may run thousands of periods and only has to tell when it has settled, is
// integrated to a relative 1e-10.
constexpr long double kStartTolerance = 1e-10L;
constexpr int kMaxStartPeriods = 20000;

// The equation of motion in time: x = {turn from fi0, ω}.
struct TimeSystem {
    const ReducedMachine& machine;
    const DriveSpec& drive;
    long double constant;
    long double phi0;

    long double acceleration(long double s, long double w) const
    {
        const ReducedPoint r = machine.at(phi0 + s);
        return ((driveMoment(drive, constant, w) - r.resistance) -
                0.5L * r.inertiaRate * (w * w)) /
               r.inertia;
    }
    void operator()(const State& x, State& dx, long double) const
    {
        dx[0] = x[1];
        dx[1] = acceleration(x[0], x[1]);
    }
};


struct TimeRun {
    std::string why;
    bool settled = false;
    int periods = 0;
    long double time = 0;
    long double turn = 0;
    long double speed = 0; // at the end of the last whole period
    std::vector<MotionSample> samples;
};

// The run in time from setup.startSpeed at fi0, period by period, until `periods` periods are
// done or, with settle, until δ settles.
TimeRun runInTime(const ReducedMachine& machine, const TrueMotionSetup& setup, int periods,
                  bool settle)
{
    TimeRun run;
    const long double phi0 = rad(static_cast<long double>(machine.params().fi0));
    const long double span = setup.span;
    const TimeSystem system{machine, setup.drive, 0, phi0};
    const long double w0 = setup.startSpeed;
    if (!(system.acceleration(0, w0) > 0) && !(w0 > 0)) {
        run.why =
            fillIn(uiText("TrueMotion",
                          "привод не может сдвинуть машину с места: его момент при пуске %1 Н·м не "
                          "больше момента сопротивлений в начальном положении %2 Н·м"),
                   {number(driveMoment(setup.drive, 0, 0)), number(machine.at(phi0).resistance)});
        return run;
    }
    // The time scale of a period at the start speed, or of a run-up from rest.
    const long double scale = w0 > 0 ? span / w0 : std::sqrt(span / system.acceleration(0, 0));
    Dense stepper = denseStepper(kStartTolerance, kStartTolerance);
    stepper.initialize(State{0, w0}, 0.0L, scale / 256);

    long double periodStart = 0, lo = w0, hi = w0;
    long double lastDelta = -1, lastMean = -1;
    run.samples.push_back({0, w0});
    try {
        while (run.periods < periods) {
            stepper.do_step(system);
            const State& x = stepper.current_state();
            if (!(x[1] > 0)) {
                run.why = uiText("TrueMotion",
                                 "машина останавливается при разгоне: привод не может пройти "
                                 "положение наибольшего сопротивления");
                return run;
            }
            const long double t0 = stepper.previous_time(), t1 = stepper.current_time();
            for (int j = 1; j <= kSubPoints && run.periods < periods; ++j) {
                const long double at = t0 + (t1 - t0) * j / kSubPoints;
                State y{};
                stepper.calc_state(at, y);
                const long double boundary = span * (run.periods + 1);
                if (y[0] >= boundary) {
                    // The period ends inside: find where, in time, by the dense output.
                    const long double before = j == 1 ? t0 : t0 + (t1 - t0) * (j - 1) / kSubPoints;
                    const auto offset = [&](long double t) {
                        State z{};
                        stepper.calc_state(t, z);
                        return z[0] - boundary;
                    };
                    std::uintmax_t iterations = 100;
                    const long double fb = offset(before), fa = offset(at);
                    long double cross = at;
                    if (fb < 0 && fa > 0) {
                        const auto root = boost::math::tools::toms748_solve(
                            offset, before, at, fb, fa,
                            boost::math::tools::eps_tolerance<long double>(50), iterations);
                        cross = (root.first + root.second) / 2;
                    }
                    State c{};
                    stepper.calc_state(cross, c);
                    lo = std::min(lo, c[1]);
                    hi = std::max(hi, c[1]);
                    const long double mean = span / (cross - periodStart);
                    const long double delta = (hi - lo) / mean;
                    ++run.periods;
                    run.time = cross;
                    run.turn = boundary;
                    run.speed = c[1];
                    // The floors matter where the steady motion has no swing at all (a
                    // constant inertia without resistances): there δ and the mean change only
                    // by rounding, which no relative test can pass for sure.
                    if (settle && lastDelta >= 0 &&
                        std::fabs(delta - lastDelta) <= std::max(0.01L * delta, 1e-9L) &&
                        std::fabs(mean - lastMean) <= std::max(0.01L * (hi - lo), 1e-9L * mean)) {
                        run.settled = true;
                        run.samples.push_back({cross, c[1]});
                        return run;
                    }
                    lastDelta = delta, lastMean = mean;
                    periodStart = cross;
                    lo = hi = c[1];
                }
                lo = std::min(lo, y[1]);
                hi = std::max(hi, y[1]);
                run.samples.push_back({at, y[1]});
            }
        }
    } catch (const std::runtime_error&) {
        run.why =
            uiText("TrueMotion",
                   "разгон не удалось проинтегрировать: шаг интегрирования стал исчезающе мал");
    }
    return run;
}


} // namespace

std::optional<StartUp> startUp(const ReducedMachine& machine, const TrueMotionSetup& setup,
                               std::string* why)
{
    const auto refuse = [why](std::string text) -> std::optional<StartUp> {
        if (why) *why = std::move(text);
        return std::nullopt;
    };
    if (setup.drive.kind == DriveKind::Constant)
        return refuse(uiText("TrueMotion",
                             "разгон при постоянном моменте привода не определён: средний момент "
                             "привода равен среднему моменту сопротивлений"));
    if (auto fault = driveFault(setup.drive))
        return refuse(inUserLanguage(fault->why, fault->russian));
    TimeRun run = runInTime(machine, setup, kMaxStartPeriods, true);
    if (!run.why.empty()) return refuse(run.why);
    if (!run.settled)
        return refuse(fillIn(uiText("TrueMotion", "разгон не устанавливается за %1 периодов"),
                             {std::to_string(kMaxStartPeriods)}));
    StartUp s;
    s.time = run.time;
    s.turns = run.turn / (2 * kPi);
    s.speed = thinned(run.samples);
    return s;
}

std::optional<long double> speedAfterPeriods(const ReducedMachine& machine,
                                             const TrueMotionSetup& setup, int periods)
{
    if (setup.drive.kind == DriveKind::Constant || driveFault(setup.drive))
        return std::nullopt;
    const TimeRun run = runInTime(machine, setup, periods, false);
    if (!run.why.empty() || run.periods < periods) return std::nullopt;
    return run.speed;
}
