// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/TrueMotion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <stdexcept>

#include <boost/math/tools/roots.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <boost/numeric/odeint/integrate/integrate_times.hpp>

#include "base/UiText.h"
#include "calc/MotionOde.h"

using namespace motion_detail;

namespace {

// In angle: {½·J·ω², t, and their derivatives by the energy at fi0}.
using Phase = std::array<long double, 4>;
using PhaseDense = DenseOf<Phase>;

// The steady period is integrated to a relative 1e-12: the shooting's root is then good to
// about 1e-11 and the energy balance holds to well inside 1e-9.
constexpr long double kSteadyTolerance = 1e-12L;

long double driveSlope(const DriveSpec& drive, long double omega);

// The equation of motion in the crank angle: x = {T = ½·J·ω², t, ∂T/∂T0, ∂t/∂T0}, the angle
// counted from fi0. The derivatives by the energy T0 at fi0 (the variational equations) give the
// shooting its Newton steps.
struct AngleSystem {
    const ReducedMachine& machine;
    const DriveSpec& drive;
    long double constant; // M_d of the constant drive
    long double phi0;
    // The speed below which the crank counts as stopped: a thousandth of the speed it started
    // the period at. The time per angle and the variational terms grow without bound as the
    // speed falls to nothing, and the error test would refuse ever smaller steps; taken at no
    // less than this speed they stay finite, and runPeriod calls the first step below it a stall.
    long double leastSpeed = 1e-30L;

    long double speed(long double energy, long double inertia) const
    {
        return energy > 0 ? std::sqrt(2 * energy / inertia) : 0.0L;
    }
    void operator()(const Phase& x, Phase& dx, long double s) const
    {
        const ReducedPoint r = machine.at(phi0 + s);
        const long double w = speed(x[0], r.inertia);
        dx[0] = driveMoment(drive, constant, w) - r.resistance;
        dx[1] = 1 / std::max(w, leastSpeed);
        // dω/dT = 1/(J·ω).
        const long double held = std::max(w, leastSpeed);
        const long double dw = 1 / (r.inertia * held);
        dx[2] = driveSlope(drive, w) * dw * x[2];
        dx[3] = -(dw / (held * held)) * x[2];
    }
};

struct PeriodEnd {
    bool stalled = false;
    long double energy = 0;
    long double time = 0;
    long double energyRate = 0; // ∂T/∂T0 at the period's end
    long double timeRate = 0;   // ∂t/∂T0
};

// One period in angle from the energy `energy0` at fi0. `onStep(stepper)` sees every accepted
// step. Odeint's failures (a step that cannot be made small enough) count as a stall.
template <typename OnStep>
PeriodEnd runPeriod(const AngleSystem& system, long double energy0, long double span,
                    OnStep onStep)
{
    PhaseDense stepper = denseStepper<Phase>(1e-30L, kSteadyTolerance);
    stepper.initialize(Phase{energy0, 0, 1, 0}, 0.0L, span / 256);
    PeriodEnd end;
    try {
        while (stepper.current_time() < span) {
            stepper.do_step(system);
            const long double energy = stepper.current_state()[0];
            const long double inertia = system.machine.inertia(system.phi0 + stepper.current_time());
            if (!(system.speed(energy, inertia) > system.leastSpeed)) {
                end.stalled = true;
                return end;
            }
            onStep(stepper);
        }
    } catch (const std::runtime_error&) {
        end.stalled = true;
        return end;
    }
    Phase x{};
    stepper.calc_state(span, x);
    end.energy = x[0];
    end.time = x[1];
    end.energyRate = x[2];
    end.timeRate = x[3];
    return end;
}

PeriodEnd runPeriod(const AngleSystem& system, long double energy0, long double span)
{
    return runPeriod(system, energy0, span, [](const PhaseDense&) {});
}

// The mean of M_c over the period, from the integral of M_c in angle.
long double meanResistance(const ReducedMachine& machine, long double phi0, long double span)
{
    const auto system = [&machine, phi0](const State&, State& dx, long double s) {
        dx[0] = machine.at(phi0 + s).resistance;
        dx[1] = 0;
    };
    Dense stepper = denseStepper(1e-30L, kSteadyTolerance);
    stepper.initialize(State{0, 0}, 0.0L, span / 256);
    while (stepper.current_time() < span)
        stepper.do_step(system);
    State x{};
    stepper.calc_state(span, x);
    return x[0] / span;
}

// The speed at which the drive's moment equals `load`, searched upward from 0; nullopt when
// the drive gives less than `load` even at rest (*tooWeak) or more at every speed.
std::optional<long double> balanceSpeed(const DriveSpec& drive, long double load, bool* tooWeak)
{
    const auto surplus = [&drive, load](long double w) { return driveMoment(drive, 0, w) - load; };
    *tooWeak = !(surplus(0) > 0);
    if (*tooWeak) return std::nullopt;
    long double top = drive.kind == DriveKind::Motor ? drive.synchronousSpeed
                                                     : drive.table.back().omega;
    top = std::max(top, 1.0L);
    for (int k = 0; k < 64 && !(surplus(top) < 0); ++k)
        top *= 2;
    if (!(surplus(top) < 0)) return std::nullopt;
    std::uintmax_t iterations = 200;
    const auto root = boost::math::tools::toms748_solve(
        surplus, 0.0L, top, surplus(0), surplus(top),
        boost::math::tools::eps_tolerance<long double>(50), iterations);
    return (root.first + root.second) / 2;
}

// The vertex of the parabola through three samples, when the middle one is an extreme.
long double refinedExtreme(const MotionSample& a, const MotionSample& b, const MotionSample& c)
{
    const long double d1 = (b.omega - a.omega) / (b.x - a.x);
    const long double d2 = (c.omega - b.omega) / (c.x - b.x);
    const long double curvature = (d2 - d1) / (c.x - a.x);
    if (!(curvature != 0) || !std::isfinite(curvature)) return b.omega;
    // p(x) = b + slope·(x − b.x) + curvature·(x − a.x)(x − b.x), slope = d1 at b through a.
    const long double vertex = (a.x + b.x) / 2 - d1 / (2 * curvature);
    if (!(vertex > a.x && vertex < c.x)) return b.omega;
    return b.omega + d1 * (vertex - b.x) + curvature * (vertex - a.x) * (vertex - b.x);
}

} // namespace

namespace {

// dM/dω of the drive at omega: the motor's line, the table's segment (0 beyond its ends).
long double driveSlope(const DriveSpec& drive, long double omega)
{
    switch (drive.kind) {
    case DriveKind::Constant:
        return 0;
    case DriveKind::Motor:
        return -drive.nominalMoment / (drive.synchronousSpeed - drive.nominalSpeed);
    case DriveKind::Table: {
        const std::vector<DrivePoint>& t = drive.table;
        if (omega <= t.front().omega || omega >= t.back().omega) return 0;
        const auto upper = std::upper_bound(
            t.begin(), t.end(), omega,
            [](long double w, const DrivePoint& point) { return w < point.omega; });
        return ((upper)->moment - (upper - 1)->moment) / ((upper)->omega - (upper - 1)->omega);
    }
    }
    return 0;
}

} // namespace

long double driveMoment(const DriveSpec& drive, long double constant, long double omega)
{
    switch (drive.kind) {
    case DriveKind::Constant:
        return constant;
    case DriveKind::Motor:
        return drive.nominalMoment * (drive.synchronousSpeed - omega) /
               (drive.synchronousSpeed - drive.nominalSpeed);
    case DriveKind::Table: {
        const std::vector<DrivePoint>& t = drive.table;
        if (omega <= t.front().omega) return t.front().moment;
        if (omega >= t.back().omega) return t.back().moment;
        const auto upper = std::upper_bound(
            t.begin(), t.end(), omega,
            [](long double w, const DrivePoint& point) { return w < point.omega; });
        const DrivePoint& hi = *upper;
        const DrivePoint& lo = *(upper - 1);
        return lo.moment + (hi.moment - lo.moment) * ((omega - lo.omega) / (hi.omega - lo.omega));
    }
    }
    return 0;
}

std::optional<SteadyRunning> steadyRunning(const ReducedMachine& machine,
                                           const TrueMotionSetup& setup, std::string* why)
{
    const auto refuse = [why](std::string text) -> std::optional<SteadyRunning> {
        if (why) *why = std::move(text);
        return std::nullopt;
    };
    const long double phi0 = rad(static_cast<long double>(machine.params().fi0));
    const long double span = setup.span;
    const long double j0 = machine.inertia(phi0);
    if (!std::isfinite(j0) || !(j0 > 0))
        return refuse(uiText("TrueMotion",
                             "приведённый момент инерции не определён: проверьте массы и положения "
                             "точек"));
    if (auto fault = driveFault(setup.drive))
        return refuse(inUserLanguage(fault->why, fault->russian));

    SteadyRunning s;
    s.meanResistance = meanResistance(machine, phi0, span);
    if (!std::isfinite(s.meanResistance))
        return refuse(uiText("TrueMotion",
                             "момент сопротивлений не определён на периоде: шатун проходит "
                             "положение, где его угловая скорость не определена"));
    const bool constant = setup.drive.kind == DriveKind::Constant;
    s.driveMoment = constant ? s.meanResistance : 0;
    AngleSystem system{machine, setup.drive, s.driveMoment, phi0};
    const auto energyOf = [j0](long double w) { return 0.5L * j0 * w * w; };
    const long double jEnd = machine.inertia(phi0 + span);
    const std::string stalls =
        uiText("TrueMotion", "машина останавливается в пределах периода: при этом приводе и "
                             "маховике она не может пройти положение наибольшего "
                             "сопротивления, установившегося движения нет");

    // The residual of the shooting and its derivative by the start speed w: for a motor or a
    // table the speed after a period less the speed before it; for the constant moment, whose
    // every speed repeats, the speed asked for less the mean speed. Both fall as w grows. A
    // period that stalls gives a residual that sends Newton's step to twice the speed.
    bool stalled = false;
    bool everStalled = false;
    long double guess = 0;
    if (constant) {
        if (!(setup.meanSpeed > 0) || !std::isfinite(setup.meanSpeed))
            return refuse(uiText(
                "TrueMotion", "для постоянного момента привода нужна средняя скорость Fit0 > 0"));
        guess = setup.meanSpeed;
    } else {
        bool tooWeak = false;
        const std::optional<long double> balance =
            balanceSpeed(setup.drive, s.meanResistance, &tooWeak);
        if (tooWeak)
            return refuse(
                fillIn(uiText("TrueMotion",
                              "привод слишком слаб: его момент при пуске %1 Н·м не больше среднего "
                              "момента сопротивлений %2 Н·м, установившегося движения нет"),
                       {number(driveMoment(setup.drive, 0, 0)), number(s.meanResistance)}));
        if (!balance)
            return refuse(uiText(
                "TrueMotion", "момент привода больше среднего момента сопротивлений при любой "
                              "скорости: машина разгоняется без предела, установившегося движения "
                              "нет"));
        guess = *balance;
    }
    const auto residual = [&](long double w) -> std::pair<long double, long double> {
        system.leastSpeed = 1e-3L * w;
        const PeriodEnd e = runPeriod(system, energyOf(w), span);
        stalled = e.stalled;
        everStalled = everStalled || e.stalled;
        if (e.stalled) return {w, -1};
        const long double energyRate = j0 * w; // dT0/dw
        if (constant)
            return {setup.meanSpeed - span / e.time,
                    span / (e.time * e.time) * e.timeRate * energyRate};
        const long double after = std::sqrt(2 * e.energy / jEnd);
        return {after - w, e.energyRate * energyRate / (jEnd * after) - 1};
    };
    // 36 bits, a relative 3e-11: the residual itself is good to about 1e-12 of the speed.
    std::uintmax_t iterations = 24;
    try {
        s.startSpeed = boost::math::tools::newton_raphson_iterate(residual, guess, guess / 64,
                                                                  guess * 64, 36, iterations);
    } catch (const std::runtime_error&) {
        return refuse(everStalled ? stalls
                                  : uiText("TrueMotion", "установившееся движение не найдено"));
    }

    // The period once more at the root, reading the speed inside every step.
    std::vector<MotionSample> samples{{0, s.startSpeed}};
    const auto onStep = [&](const PhaseDense& stepper) {
        const long double t0 = stepper.previous_time(), t1 = stepper.current_time();
        for (int j = 1; j <= kSubPoints; ++j) {
            const long double at = std::min(span, t0 + (t1 - t0) * j / kSubPoints);
            if (at <= samples.back().x) continue;
            Phase x{};
            stepper.calc_state(at, x);
            samples.push_back({at, system.speed(x[0], machine.inertia(phi0 + at))});
        }
    };
    system.leastSpeed = 1e-3L * s.startSpeed;
    const PeriodEnd end = runPeriod(system, energyOf(s.startSpeed), span, onStep);
    if (end.stalled) return refuse(stalls);
    // Newton's answer is a steady running only when the period closes on itself there.
    const long double closing = constant ? setup.meanSpeed - span / end.time
                                         : std::sqrt(2 * end.energy / jEnd) - s.startSpeed;
    if (!(std::fabs(closing) <= 1e-9L * (constant ? setup.meanSpeed : s.startSpeed)))
        return refuse(
            everStalled
                ? stalls
                : uiText("TrueMotion", "установившееся движение не найдено: период не замыкается"));
    s.periodTime = end.time;
    s.omegaMean = span / end.time;
    size_t lowest = 0, highest = 0;
    for (size_t k = 1; k < samples.size(); ++k) {
        if (samples[k].omega < samples[lowest].omega) lowest = k;
        if (samples[k].omega > samples[highest].omega) highest = k;
    }
    const auto refine = [&samples](size_t k) {
        if (k == 0 || k + 1 >= samples.size()) return samples[k].omega;
        return refinedExtreme(samples[k - 1], samples[k], samples[k + 1]);
    };
    s.omegaMin = std::min(refine(lowest), samples[lowest].omega);
    s.omegaMax = std::max(refine(highest), samples[highest].omega);
    s.delta = (s.omegaMax - s.omegaMin) / s.omegaMean;
    for (MotionSample& m : samples)
        m.x = deg(m.x);
    s.speed = thinned(samples);
    constexpr int kInertiaPoints = 360;
    s.inertia.reserve(kInertiaPoints + 1);
    for (int k = 0; k <= kInertiaPoints; ++k) {
        const long double at = span * k / kInertiaPoints;
        s.inertia.push_back({deg(at), machine.inertia(phi0 + at)});
    }
    return s;
}

bool sampleSteady(const ReducedMachine& machine, const TrueMotionSetup& setup,
                  const SteadyRunning& steady, const std::vector<long double>& turn,
                  std::vector<long double>& omega, std::vector<long double>& epsilon,
                  std::vector<long double>& time)
{
    const size_t n = turn.size();
    omega.assign(n, 0);
    epsilon.assign(n, 0);
    time.assign(n, 0);
    if (n == 0) return true;
    const long double phi0 = rad(static_cast<long double>(machine.params().fi0));
    const long double span = setup.span;
    // Each angle as a whole number of periods and the rest within one.
    std::vector<long double> within(n), periods(n);
    for (size_t k = 0; k < n; ++k) {
        periods[k] = std::floor(turn[k] / span);
        within[k] = turn[k] - periods[k] * span;
        // The quotient rounds: a turn a hair short of a whole number of periods may land on it.
        if (within[k] < 0) within[k] += span, periods[k] -= 1;
        if (within[k] >= span) within[k] -= span, periods[k] += 1;
        if (!(within[k] >= 0) || !std::isfinite(within[k])) return false;
    }
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(),
              [&within](size_t a, size_t b) { return within[a] < within[b]; });
    std::vector<long double> times{0.0L};
    for (const size_t k : order)
        if (within[k] > times.back()) times.push_back(within[k]);

    AngleSystem system{machine, setup.drive, steady.driveMoment, phi0};
    system.leastSpeed = 1e-3L * steady.startSpeed;
    const long double j0 = machine.inertia(phi0);
    std::vector<Phase> states;
    states.reserve(times.size());
    PhaseDense stepper = denseStepper<Phase>(1e-30L, kSteadyTolerance);
    Phase x{0.5L * j0 * steady.startSpeed * steady.startSpeed, 0, 1, 0};
    try {
        odeint::integrate_times(stepper, system, x, times.begin(), times.end(), span / 256,
                                [&states](const Phase& y, long double) { states.push_back(y); });
    } catch (const std::runtime_error&) {
        return false;
    }
    if (states.size() != times.size()) return false;
    size_t at = 0;
    for (const size_t k : order) {
        while (times[at] < within[k])
            ++at;
        const Phase& y = states[at];
        const ReducedPoint r = machine.at(phi0 + times[at]);
        const long double w = system.speed(y[0], r.inertia);
        omega[k] = w;
        epsilon[k] = ((driveMoment(setup.drive, steady.driveMoment, w) - r.resistance) -
                      0.5L * r.inertiaRate * (w * w)) /
                     r.inertia;
        time[k] = y[1] + periods[k] * steady.periodTime;
    }
    return true;
}
