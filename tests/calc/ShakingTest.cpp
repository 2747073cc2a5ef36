// SPDX-License-Identifier: GPL-3.0-or-later
// The shaking force and moment against Newton's laws for the whole mechanism: what the frame
// takes at O, on the guide and from the drive, less the weights and the working load, is the
// links' inertia. The reactions come from the force and equilibrium stages, link by link; the
// shaking rows from the inertia loads alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "CalcFixtures.h"
#include "calc/Quantities.h"
#include "calc/StageMath.h"

using Q = Quantity;
using namespace calctest;
using stage::kGravity;

namespace {

struct NewtonCase {
    const char* what;
    LoadKind load;
    bool varyingSpeed;
    bool offLine; // centres of mass off the links' lines
};

} // namespace

TEST(CalcShaking, NewtonForTheWholeMechanismAtEveryStep)
{
    const NewtonCase cases[] = {
        {"steady, no load", LoadKind::None, false, false},
        {"speeding up, no load", LoadKind::None, true, false},
        {"load by angle", LoadKind::ByAngle, false, false},
        {"load by angle, speeding up, centres off the lines", LoadKind::ByAngle, true, true},
        {"load by stroke", LoadKind::ByStroke, false, true},
    };
    std::mt19937_64 rng(3620261208);
    for (const NewtonCase& c : cases) {
        for (int round = 0; round < 3; ++round) {
            SCOPED_TRACE(testing::Message() << c.what << ", round " << round);
            ParamSet p = randomMechanism(rng, false);
            if (c.varyingSpeed) p.fitt0 = p.fit0 / 4, p.fidtt = 0.02;
            if (c.offLine) p.bc1 += 0.3L * p.l1, p.ac2 -= 0.2L * p.l1, p.bc2 += 0.1L * p.l2;
            if (c.load == LoadKind::ByAngle)
                p.load = {LoadKind::ByAngle, LoadDirection::AlongY, {{0, 900}, {170, -4000}}};
            if (c.load == LoadKind::ByStroke)
                p.load = {
                    LoadKind::ByStroke, LoadDirection::TowardCrank, {{0, 100, 50}, {1, 2e3L, 10}}};
            auto R = std::make_unique<ResultStore>();
            const CalcOutcome out = runCalculation(p, *R);
            ASSERT_TRUE(stageFaults(out).empty());
            const ResultStore& S = *R;
            const long double weight = (p.m1 + p.m2 + p.m3) * kGravity;
            for (int i = 1; i <= p.N; ++i) {
                // The frame takes -F_O at O and -nb at B; the drive's housing takes -mb.
                const long double onFrameX = -S(Q::foxk, i) - S(Q::nb, i);
                const long double onFrameY = -S(Q::foy, i);
                const long double q = S(Q::q, i);
                // Less the weights (along -y) and the load (along y, on the slider).
                const long double forceX = onFrameX;
                const long double forceY = onFrameY - (-weight + q);
                const long double forceScale = fabsl(S(Q::foxk, i)) + fabsl(S(Q::nb, i)) +
                                               fabsl(S(Q::foy, i)) + weight + fabsl(q);
                EXPECT_NEAR(double(S(Q::fshx, i)), double(forceX), double(1e-14L * forceScale))
                    << "step " << i;
                EXPECT_NEAR(double(S(Q::fshy, i)), double(forceY), double(1e-14L * forceScale))
                    << "step " << i;
                EXPECT_NEAR(double(S(Q::fsh, i)), double(hypotl(forceX, forceY)),
                            double(1e-14L * forceScale))
                    << "step " << i;
                const long double onFrameMoment = S(Q::yb, i) * S(Q::nb, i) - S(Q::mb, i);
                const long double weightMoment =
                    -kGravity * (p.m1 * S(Q::xc1, i) + p.m2 * S(Q::xc2, i) + p.m3 * S(Q::xc3, i));
                const long double loadMoment = S(Q::xb, i) * q;
                const long double moment = onFrameMoment - weightMoment - loadMoment;
                const long double momentScale =
                    forceScale * (p.l1 + p.l2 + std::fabs(p.b)) + fabsl(S(Q::mb, i));
                EXPECT_NEAR(double(S(Q::msh, i)), double(moment), double(1e-14L * momentScale))
                    << "step " << i;
            }
        }
    }
}

// A lone crank turning at a steady speed about O with its centre at a distance ρ: the frame
// feels m·ω²·ρ outward along OC1 (the centrifugal force) and no moment; a steady angular
// acceleration ε adds m·ε·ρ across OC1 and the moment -(i1 + m·ρ²)·ε.
TEST(CalcShaking, LoneCrankByHand)
{
    const struct {
        long double omega, epsilon;
    } cases[] = {{12, 0}, {-7, 0}, {5, 30}};
    for (const auto& c : cases) {
        ParamSet p = defaults();
        p.l1 = 0.2, p.l2 = 0.7, p.b = 0, p.fi0 = 25;
        ASSERT_TRUE(autofillPoints(p));
        p.m1 = 3, p.m2 = 0, p.m3 = 0, p.i1 = 0.04L, p.i2 = 0;
        p.ac1 = 0.12L * cosl(rad(25.0L)) - 0.05L * sinl(rad(25.0L));
        p.bc1 = 0.12L * sinl(rad(25.0L)) + 0.05L * cosl(rad(25.0L));
        p.fit0 = double(c.omega), p.fitt0 = double(c.epsilon), p.fidtt = 0;
        p.step = rad(15.0L), p.N = 25;
        auto R = std::make_unique<ResultStore>();
        ASSERT_TRUE(stageFaults(runCalculation(p, *R)).empty());
        const long double rho = hypotl(0.12L, 0.05L);
        for (int i = 1; i <= p.N; ++i) {
            const long double w = (*R)(Q::fit, i);
            const long double angle = atan2l((*R)(Q::yc1, i), (*R)(Q::xc1, i));
            const long double radial = 3 * w * w * rho, across = -3 * c.epsilon * rho;
            const long double fx = radial * cosl(angle) - across * sinl(angle);
            const long double fy = radial * sinl(angle) + across * cosl(angle);
            const long double tol = 1e-12L * (radial + fabsl(across) + 1);
            EXPECT_NEAR(double((*R)(Q::fshx, i)), double(fx), double(tol)) << "step " << i;
            EXPECT_NEAR(double((*R)(Q::fshy, i)), double(fy), double(tol)) << "step " << i;
            EXPECT_NEAR(double((*R)(Q::msh, i)), double(-(0.04L + 3 * rho * rho) * c.epsilon),
                        double(tol))
                << "step " << i;
        }
    }
}
