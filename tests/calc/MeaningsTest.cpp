// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of the quantity and parameter catalogues, checked against the results: which body a
// joint force acts on, the signs of mo, mb, E and of the inertia rows, where the weight points,
// about which point i1 is taken, how angles are measured, and that i3 and aux change nothing.
// Each expectation comes from statics, virtual work or an energy balance worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "CalcFixtures.h"
#include "calc/Quantities.h"

using Q = Quantity;
using namespace calctest;

namespace {

constexpr long double kG = 9.8L;

struct Mechanism {
    double l1, l2, b, fi0;
};

// A mechanism of the given lengths, points placed, turning at a constant 10 rad/s in 1° steps
// through one turn, every link without mass.
ParamSet massless(const Mechanism& m)
{
    ParamSet p = defaults();
    p.l1 = m.l1, p.l2 = m.l2, p.b = m.b, p.fi0 = m.fi0;
    p.mode = 0;
    p.m1 = p.m2 = p.m3 = 0;
    p.i1 = p.i2 = p.i3 = 0;
    p.fit0 = 10, p.fitt0 = 0, p.fidtt = 0;
    p.step = rad(1.0L);
    p.cycles = 15;
    p.N = 24 * 15 + 1;
    EXPECT_TRUE(autofillPoints(p));
    return p;
}

std::unique_ptr<ResultStore> calculated(const ParamSet& p)
{
    auto R = std::make_unique<ResultStore>();
    const CalcOutcome out = runCalculation(p, *R);
    EXPECT_FALSE(out.kinematicFailed || out.energyFailed || out.forceFailed ||
                 out.equilibriumFailed);
    return R;
}

// dyb/dφ of the slider on its upper branch, from yb = l1 sin φ + sqrt(l2² - (b - l1 cos φ)²).
long double sliderRate(const Mechanism& m, long double fi)
{
    const long double u = m.b - m.l1 * cosl(fi);
    return m.l1 * cosl(fi) - u * m.l1 * sinl(fi) / sqrtl(m.l2 * m.l2 - u * u);
}

const Mechanism kMechanisms[] = {
    {0.1, 0.4, 0, 10},
    {0.15, 0.5, 0.06, 200},
    {0.2, 0.9, -0.1, 75},
};

} // namespace

// Massless links under a constant load Q along +y on the slider. The rod then carries one force
// along itself; the slider is held by it, the load and the guide's push across; the crank by
// the rod and the frame. So the force the rod puts on the slider is F = -Q (xb - xa, yb - ya) /
// (yb - ya), the crank puts the same F on the rod at A, the frame the same F on the crank at O,
// and the guide -Fx on the slider. By virtual work the drive's moment is -Q dyb/dφ: negative
// while the load does work (Q ybt > 0), and E is the drive's work -Q (yb - yb(1)).
TEST(CalcMeanings, JointForcesActOnTheBodiesTheNotesName)
{
    for (const double Q0 : {2500.0, -800.0}) {
        for (const Mechanism& m : kMechanisms) {
            ParamSet p = massless(m);
            p.load = {LoadKind::ByAngle, LoadDirection::AlongY, {{0, Q0, 0}}};
            const auto R = calculated(p);
            const ResultStore& r = *R;
            const long double load = Q0, scale = fabsl(load) * m.l1;
            int working = 0;
            for (int i = 1; i <= p.N; ++i) {
                const long double lean = (r(Q::xb, i) - r(Q::xa, i)) / (r(Q::yb, i) - r(Q::ya, i));
                const long double Fx = -load * lean, Fy = -load;
                const long double drive = -load * sliderRate(m, r(Q::fi, i));
                const struct {
                    Q row;
                    long double expected, tolerance;
                } cases[] = {
                    {Q::fby, Fy, 1e-12L * fabsl(load)},
                    {Q::fbxk, Fx, 1e-12L * fabsl(load)},
                    {Q::fay, Fy, 1e-12L * fabsl(load)},
                    {Q::faxk, Fx, 1e-12L * fabsl(load)},
                    {Q::foy, Fy, 1e-12L * fabsl(load)},
                    {Q::foxk, Fx, 1e-12L * fabsl(load)},
                    {Q::nb, -Fx, 1e-12L * fabsl(load)},
                    {Q::fbx, 0, 1e-12L * fabsl(load)},
                    {Q::fax, 0, 1e-12L * fabsl(load)},
                    {Q::fox, 0, 1e-12L * fabsl(load)},
                    {Q::mb, drive, 1e-10L * scale},
                    {Q::mo, drive, 1e-10L * scale},
                    {Q::e, -load * (r(Q::yb, i) - r(Q::yb, 1)), 2e-4L * scale},
                };
                for (const auto& c : cases)
                    ASSERT_NEAR(static_cast<double>(r(c.row, i)), static_cast<double>(c.expected),
                                static_cast<double>(c.tolerance))
                        << rowName(rowOf(c.row)) << " at step " << i << ", l1 " << m.l1 << ", Q "
                        << Q0;
                // While the load drives the slider the machine delivers work: mo and mb < 0.
                if (load * r(Q::ybt, i) > 1e-3L * fabsl(load)) {
                    ++working;
                    EXPECT_LT(r(Q::mo, i), 0) << i;
                    EXPECT_LT(r(Q::mb, i), 0) << i;
                }
            }
            EXPECT_GT(working, 100); // half a turn or so
            // fbx leaves out the guide's reaction, fbk does not.
            const int mid = p.N / 2;
            EXPECT_NEAR(static_cast<double>(r(Q::fbk, mid)),
                        static_cast<double>(hypotl(r(Q::fbxk, mid), r(Q::fby, mid))), 1e-9);
        }
    }
}

// A crank alone, C1 off the crank's line, turning with a constant α. About O its moment of
// inertia is i1 + m1·|OC1|² when i1 is taken about C1 (parallel axes); its weight -m1·g·ŷ at C1
// needs m1·g·xc1 from the drive. C1's acceleration is α × r - ω² r: fx1, fy1 are m1 times it
// (not its negative) and mi1 is +i1·α.
TEST(CalcMeanings, InertiaRowsAreMassTimesAccelerationAboutTheCentreOfMass)
{
    const struct {
        long double m1, i1, ac1, bc1, alpha;
    } cases[] = {
        {3, 0.02L, 0.08L, -0.05L, 2},
        {1.5L, 0.4L, -0.02L, 0.11L, -6},
        {7, 0, 0.05L, 0.05L, 0.5L},
    };
    for (const auto& c : cases) {
        ParamSet p = massless({0.15, 0.6, 0.02, 30});
        p.m1 = c.m1, p.i1 = c.i1, p.ac1 = c.ac1, p.bc1 = c.bc1;
        p.fitt0 = static_cast<double>(c.alpha), p.fit0 = 5;
        p.N = 73;
        const auto R = calculated(p);
        const ResultStore& r = *R;
        const long double r2 = c.ac1 * c.ac1 + c.bc1 * c.bc1;
        for (int i = 1; i <= p.N; ++i) {
            const long double w = r(Q::fit, i), a = r(Q::fitt, i);
            const long double x = r(Q::xc1, i), y = r(Q::yc1, i);
            ASSERT_NEAR(static_cast<double>(a), static_cast<double>(c.alpha), 1e-15);
            ASSERT_NEAR(static_cast<double>(x * x + y * y), static_cast<double>(r2), 1e-15);
            const long double drive = (c.i1 + c.m1 * r2) * a + c.m1 * kG * x;
            const struct {
                Q row;
                long double expected;
            } rows[] = {
                {Q::fx1, c.m1 * (-a * y - w * w * x)},
                {Q::fy1, c.m1 * (a * x - w * w * y)},
                {Q::mi1, c.i1 * a},
                {Q::mb, drive},
                {Q::mo, drive},
            };
            for (const auto& row : rows)
                ASSERT_NEAR(static_cast<double>(r(row.row, i)), static_cast<double>(row.expected),
                            1e-11)
                    << rowName(rowOf(row.row)) << " at step " << i << ", m1 " << c.m1;
        }
    }
}

// A slider with mass on massless links at constant ω: the drive's work since step 1 is the
// slider's gain in kinetic energy plus m3·g times its rise along the guide (+y), the weight
// pointing to -y.
TEST(CalcMeanings, WeightPointsDownTheGuideAndEIsTheDrivesWork)
{
    for (const Mechanism& m : kMechanisms) {
        for (const long double m3 : {4.0L, 0.25L}) {
            ParamSet p = massless(m);
            p.m3 = m3;
            p.fit0 = 3;
            const auto R = calculated(p);
            const ResultStore& r = *R;
            const long double scale = m3 * (kG * m.l1 + 9 * m.l1 * m.l1);
            long double low = r(Q::yb, 1), high = low;
            for (int i = 1; i <= p.N; ++i) {
                const long double v = r(Q::ybt, i), v1 = r(Q::ybt, 1);
                low = std::min(low, r(Q::yb, i)), high = std::max(high, r(Q::yb, i));
                const long double gain =
                    m3 * kG * (r(Q::yb, i) - r(Q::yb, 1)) + m3 * (v * v - v1 * v1) / 2;
                ASSERT_NEAR(static_cast<double>(r(Q::e, i)), static_cast<double>(gain),
                            static_cast<double>(2e-4L * scale))
                    << "step " << i << ", l1 " << m.l1;
            }
            EXPECT_GT(high - low, 2 * m.l1 - 1e-9); // a whole stroke up and down
        }
    }
}

// Angles run from +x toward +y: A is at l1 (cos fi, sin fi) and the rod's direction is
// (cos psi, sin psi). A centric slider is farthest out at fi = 90° and nearest at 270°.
TEST(CalcMeanings, AnglesRunFromPlusXAndCentricDeadCentresLieAt90And270)
{
    for (const Mechanism& m : {Mechanism{0.1, 0.35, 0, 0}, Mechanism{0.25, 0.6, 0, 0}}) {
        ParamSet p = massless(m);
        const auto R = calculated(p);
        const ResultStore& r = *R;
        int top = 1, bottom = 1;
        for (int i = 1; i <= p.N; ++i) {
            const long double fi = r(Q::fi, i), psi = r(Q::psi, i);
            ASSERT_NEAR(static_cast<double>(r(Q::xa, i)), m.l1 * cos(double(fi)), 1e-15);
            ASSERT_NEAR(static_cast<double>(r(Q::ya, i)), m.l1 * sin(double(fi)), 1e-15);
            ASSERT_NEAR(static_cast<double>(r(Q::xb, i) - r(Q::xa, i)), m.l2 * cos(double(psi)),
                        1e-15);
            ASSERT_NEAR(static_cast<double>(r(Q::yb, i) - r(Q::ya, i)), m.l2 * sin(double(psi)),
                        1e-15);
            if (r(Q::yb, i) > r(Q::yb, top)) top = i;
            if (r(Q::yb, i) < r(Q::yb, bottom)) bottom = i;
        }
        EXPECT_NEAR(static_cast<double>(deg(r(Q::fi, top))), 90, 1e-12);
        EXPECT_NEAR(static_cast<double>(deg(r(Q::fi, bottom))), 270, 1e-12);
    }
}

// i3 and aux are carried by the report and the project only: no value of either changes a bit
// of any result.
TEST(CalcMeanings, I3AndAuxEnterNoResult)
{
    ParamSet base = offAxisSet();
    base.load = {LoadKind::ByAngle, LoadDirection::TowardCrank, {{0, 900, 0}, {180, -400, 0}}};
    const auto reference = calculated(base);
    const struct {
        long double ParamSet::*field;
        long double value;
    } cases[] = {
        {&ParamSet::i3, 0},  {&ParamSet::i3, 7.5L}, {&ParamSet::i3, 1e9L},
        {&ParamSet::aux, 0}, {&ParamSet::aux, -3},  {&ParamSet::aux, 1e9L},
    };
    for (const auto& c : cases) {
        ParamSet p = base;
        p.*(c.field) = c.value;
        const auto R = calculated(p);
        for (int k = 0; k < ResultStore::kRows; ++k)
            for (int i = 1; i <= p.N; ++i) {
                const long double a = (*R)(k, i), b = (*reference)(k, i);
                ASSERT_TRUE(a == b && std::signbit(a) == std::signbit(b))
                    << "row " << k << " step " << i << " value " << static_cast<double>(c.value);
            }
    }
}
