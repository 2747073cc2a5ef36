// SPDX-License-Identifier: GPL-3.0-or-later
// What the true motion's integrations in angle and in time share: the Dormand–Prince stepper
// with dense output over long double states, the sampling of a step and the thinning of a chart.
// Internal to calc/TrueMotion.cpp and calc/StartUp.cpp.
#pragma once
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <boost/numeric/odeint/stepper/generation.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta_dopri5.hpp>

#include "base/NumberText.h"
#include "calc/TrueMotion.h"

namespace motion_detail {

namespace odeint = boost::numeric::odeint;

// In time: {turn from fi0, ω}.
using State = std::array<long double, 2>;
template <typename S>
using DenseOf = typename odeint::result_of::make_dense_output<
    odeint::runge_kutta_dopri5<S, long double, S, long double>>::type;
using Dense = DenseOf<State>;

// Sub-points per accepted step at which the speed is read for its extremes and the chart, and
// the most points a chart keeps.
inline constexpr int kSubPoints = 4;
inline constexpr size_t kChartPoints = 2000;

// The stepper for a state of type S, to the given absolute and relative tolerances.
template <typename S = State> DenseOf<S> denseStepper(long double absolute, long double relative)
{
    return odeint::make_dense_output(absolute, relative,
                                     odeint::runge_kutta_dopri5<S, long double, S, long double>());
}

// A figure in a reason's text, with the window's decimal comma.
inline std::string number(long double x)
{
    return FormatGeneral(x, ',');
}

// At most kChartPoints of `all`, evenly picked, the first and the last kept.
inline std::vector<MotionSample> thinned(const std::vector<MotionSample>& all)
{
    if (all.size() <= kChartPoints) return all;
    std::vector<MotionSample> out;
    out.reserve(kChartPoints + 1);
    const long double stride = static_cast<long double>(all.size() - 1) / (kChartPoints - 1);
    for (size_t k = 0; k < kChartPoints; ++k)
        out.push_back(all[static_cast<size_t>(std::llround(stride * k))]);
    return out;
}

} // namespace motion_detail
