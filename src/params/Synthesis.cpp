// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/Synthesis.h"

#include <cmath>

#include "base/NumberText.h"
#include "base/UiText.h"

namespace {

constexpr int kSearchRounds = 120; // enough to shrink (0, 1) below an extended ulp

long double thetaOf(long double timeRatio)
{
    return kPi * (timeRatio - 1) / (timeRatio + 1);
}

// H / l2 for the ratio λ: the triangle's side opposite θ with |OB1| = 1 + λ, |OB2| = 1 − λ.
long double strokePerRod(long double lambda, long double theta)
{
    const long double c = std::cos(theta);
    return std::sqrt(2 * (1 - c) + 2 * lambda * lambda * (1 + c));
}

// sin of the largest pressure angle, (l1 + b)/l2, as a function of λ alone: the triangle is
// similar for every H.
long double pressureSine(long double lambda, long double theta)
{
    return lambda + (1 - lambda * lambda) * std::sin(theta) / strokePerRod(lambda, theta);
}

// The λ of the least pressureSine on (tan²(θ/2), 1): the function falls from 1 and rises back
// to 1 with one minimum between, so a golden-section search finds it.
long double leastPressureRatio(long double theta)
{
    const long double t = std::tan(theta / 2);
    long double lo = t * t, hi = 1;
    const long double g = (std::sqrt(5.0L) - 1) / 2;
    long double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
    long double f1 = pressureSine(x1, theta), f2 = pressureSine(x2, theta);
    for (int i = 0; i < kSearchRounds; ++i) {
        if (f1 <= f2) {
            hi = x2, x2 = x1, f2 = f1;
            x1 = hi - g * (hi - lo), f1 = pressureSine(x1, theta);
        } else {
            lo = x1, x1 = x2, f1 = f2;
            x2 = lo + g * (hi - lo), f2 = pressureSine(x2, theta);
        }
    }
    return (lo + hi) / 2;
}

SynthesisDesign designFor(long double stroke, long double lambda, long double theta)
{
    SynthesisDesign d;
    d.theta = deg(theta);
    d.rodRatio = lambda;
    d.l2 = stroke / strokePerRod(lambda, theta);
    d.l1 = lambda * d.l2;
    // Twice the triangle's area over its base H: the distance from O to the guide.
    d.b = (d.l2 + d.l1) * (d.l2 - d.l1) * std::sin(theta) / stroke;
    d.pressureAngle = deg(std::asin((d.l1 + d.b) / d.l2));
    return d;
}

SynthesisOutcome refuse(std::string why, const char* key, std::optional<long double> nearest)
{
    SynthesisOutcome o;
    o.fault = std::move(why);
    o.nearestKey = key;
    o.nearest = nearest;
    return o;
}

} // namespace

long double leastPressureAngle(long double timeRatio)
{
    if (timeRatio == 1) return 0;
    const long double theta = thetaOf(timeRatio);
    return deg(std::asin(pressureSine(leastPressureRatio(theta), theta)));
}

SynthesisOutcome synthesise(const SynthesisRequest& r, char decimal)
{
    const auto text = [decimal](long double x) { return FormatGeneral(x, decimal); };
    if (!(std::isfinite(r.stroke) && r.stroke > 0))
        return refuse(uiText("Synthesis", "Ход H должен быть положительным числом"), "H",
                      std::nullopt);
    if (!(std::isfinite(r.timeRatio) && r.timeRatio >= 1))
        return refuse(uiText("Synthesis",
                             "Коэффициент K не может быть меньше 1 (K = 1 — центральный механизм); "
                             "ближайшее допустимое значение: 1"),
                      "K", 1.0L);
    if (r.timeRatio >= 3)
        return refuse(
            uiText("Synthesis",
                   "При K ≥ 3 угол между мёртвыми положениями кривошипа θ = 180°·(K − 1)/"
                   "(K + 1) не меньше 90°: кривошипно-ползунный механизм такого K не даёт. "
                   "K должно быть меньше 3"),
            "K", 3.0L);
    const long double theta = thetaOf(r.timeRatio);
    const long double half = std::tan(theta / 2);
    const long double least = half * half;
    SynthesisOutcome o;
    if (r.by == SynthesisRequest::By::RodRatio) {
        const long double lambda = r.rodRatio;
        if (!(std::isfinite(lambda) && lambda > least))
            return refuse(
                fillIn(
                    uiText(
                        "Synthesis",
                        "При K = %1 отношение λ = l1/l2 должно быть больше tg²(θ/2) = %2: иначе "
                        "шатун не достаёт до направляющей и кривошип не проворачивается полностью"),
                    {text(r.timeRatio), text(least)}),
                "lambda", least);
        if (!(lambda < 1))
            return refuse(
                uiText("Synthesis",
                       "Отношение λ = l1/l2 должно быть меньше 1: кривошип короче шатуна"),
                "lambda", 1.0L);
        o.design = designFor(r.stroke, lambda, theta);
        return o;
    }
    const long double alpha = r.pressureAngle;
    if (!(std::isfinite(alpha) && alpha > 0 && alpha < 90))
        return refuse(uiText("Synthesis", "Допустимый угол давления должен лежать между 0° и 90°"),
                      "pressure", std::nullopt);
    const long double limit = std::sin(rad(alpha));
    if (r.timeRatio == 1) { // centric: sin α = l1/l2 exactly
        o.design = designFor(r.stroke, limit, 0);
        return o;
    }
    const long double best = leastPressureRatio(theta);
    if (pressureSine(best, theta) > limit) {
        const long double angle = deg(std::asin(pressureSine(best, theta)));
        // Four decimals, each rounded the way that keeps its sentence true.
        const long double below = std::floor(angle * 1e4L) / 1e4L;
        const long double above = std::ceil(angle * 1e4L) / 1e4L;
        return refuse(
            fillIn(uiText("Synthesis",
                          "При K = %1 наибольший угол давления не бывает меньше %2° ни при каком "
                          "ходе H: допустимый угол нужно увеличить хотя бы до %3° или уменьшить K"),
                   {text(r.timeRatio), text(below), text(above)}),
            "pressure", angle);
    }
    // Above the best λ the angle grows with λ while the rod shortens (H / l2 grows with λ): the
    // largest λ within the limit is the most compact design. Its bracket's lower end stays
    // within the limit.
    long double lo = best, hi = 1;
    for (int i = 0; i < kSearchRounds && lo < hi; ++i) {
        const long double mid = (lo + hi) / 2;
        if (mid == lo || mid == hi) break;
        (pressureSine(mid, theta) <= limit ? lo : hi) = mid;
    }
    o.design = designFor(r.stroke, lo, theta);
    return o;
}

std::string designText(const SynthesisDesign& d, char decimal)
{
    // Six significant digits: a designer reads the design, the parameters keep every digit.
    const auto n = [decimal](long double x) {
        if (x != 0 && std::isfinite(x)) {
            const long double scale = std::pow(10.0L, 5 - std::floor(std::log10(std::fabs(x))));
            x = std::round(x * scale) / scale;
        }
        return FormatGeneral(x, decimal);
    };
    const auto len = [&n](long double x) { return n(static_cast<double>(x)); };
    return fillIn(
        uiText("Synthesis",
               "L1 = %1 м, L2 = %2 м, B = %3 м; θ = %4°, λ = %5, наибольший угол давления %6°"),
        {len(d.l1), len(d.l2), len(d.b), n(d.theta), n(d.rodRatio), n(d.pressureAngle)});
}

void applyDesign(ParamSet& p, const SynthesisDesign& design)
{
    p.l1 = static_cast<double>(design.l1);
    p.l2 = static_cast<double>(design.l2);
    p.b = static_cast<double>(design.b);
}
