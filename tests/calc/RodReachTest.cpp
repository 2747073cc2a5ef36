// SPDX-License-Identifier: GPL-3.0-or-later
// The check before a run: where the rod cannot reach the guide or stands perpendicular to it,
// against the closed form of the reach limits, and against where the kinematic stage stops.
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "calc/Calculation.h"
#include "calc/RodReach.h"

namespace {

struct Mechanism {
    const char* name;
    double l1, l2, b, fi0;
    long double stepDegrees;
    int cycles;
    RodReach::Kind kind;
    // Where the rod meets the limit of its reach, |b - l1 cos(phi)| = l2: cos(phi) =
    // (b + sign * l2) / l1, the angle acos of it, or 360 degrees less (mirrored).
    int sign;
    bool mirrored;
};

using K = RodReach::Kind;

// The default mechanism has b = l2 - l1: at 180 degrees b - l1 cos(phi) = l2 exactly.
const Mechanism kMechanisms[] = {
    {"default, 0.1", 10, 25, 15, 0.1, 0.1L, 75, K::Perpendicular, -1, false},
    {"default, 0.05", 10, 25, 15, 0.1, 0.05L, 150, K::Perpendicular, -1, false},
    {"default, 0.01", 10, 25, 15, 0.1, 0.01L, 750, K::Perpendicular, -1, false},
    {"default, 15 steps past 180", 10, 25, 15, 0.1, 15.0L, 2, K::Clear, 0, false},
    {"long crank, 0.1", 40, 30, 15, 0.1, 0.1L, 75, K::Unreachable, -1, false},
    {"long crank, 15", 40, 30, 15, 0.1, 15.0L, 1, K::Unreachable, -1, false},
    {"long crank, out of reach at the start", 40, 30, 15, 130, 1.0L, 1, K::Unreachable, -1, false},
    {"far guide", 10, 25, 30, 0.5, 1.0L, 10, K::Unreachable, -1, false},
    {"guide inside the crank circle", 40, 10, 20, 300, 1.0L, 1, K::Unreachable, +1, true},
    {"rod along x at the start", 10, 20, 30, 0.0, 5.0L, 1, K::Perpendicular, -1, false},
};

// The first step i >= 1 whose angle fi0 + (i - 1) * step reaches `limit` degrees.
int firstStepAt(const Mechanism& m, long double limit)
{
    if (limit <= m.fi0) return 1;
    return static_cast<int>(std::ceil((limit - m.fi0) / m.stepDegrees - 1e-9L)) + 1;
}

} // namespace

TEST(RodReach, FindsTheFirstStepPastTheClosedFormLimit)
{
    auto R = std::make_unique<ResultStore>();
    for (const Mechanism& m : kMechanisms) {
        SCOPED_TRACE(m.name);
        ParamSet p;
        setDefaults(p);
        p.l1 = m.l1;
        p.l2 = m.l2;
        p.b = m.b;
        p.fi0 = m.fi0;
        p.step = m.stepDegrees * kRadPerDeg;
        p.N = 24 * m.cycles + 1;

        const RodReach reach = checkRodReach(p);
        ASSERT_EQ(reach.kind, m.kind);
        if (m.kind == K::Clear) {
            EXPECT_EQ(reach.step, 0);
            EXPECT_EQ(rodReachText(reach, ','), "");
            continue;
        }
        const long double turn =
            std::acos(static_cast<long double>(m.b + m.sign * m.l2) / m.l1) * 180 / kPi;
        const long double limit = m.mirrored ? 360 - turn : turn;
        const int expected = firstStepAt(m, limit);
        EXPECT_EQ(reach.step, expected);
        EXPECT_NEAR(static_cast<double>(reach.angleDegrees),
                    m.fi0 + (expected - 1) * static_cast<double>(m.stepDegrees), 1e-9);
        if (m.kind == K::Perpendicular) {
            EXPECT_NEAR(static_cast<double>(reach.angleDegrees), static_cast<double>(limit), 1e-9);
        }

        // The kinematic stage stops at the very step the check named.
        const CalcOutcome outcome = runCalculation(p, *R);
        EXPECT_TRUE(outcome.kinematicFailed);
        EXPECT_EQ(outcome.kinematicFaultStep, reach.step);
    }
}

TEST(RodReach, MessagesNameTheAngleAndWhatToChange)
{
    const struct {
        RodReach reach;
        char decimal;
        const char* text;
    } cases[] = {
        {{K::Perpendicular, 1800, 180.0L},
         ',',
         "При φ = 180,00° шатун перпендикулярен направляющей: механизм не проходит это "
         "положение. Увеличьте L2 или уменьшите B."},
        {{K::Unreachable, 1121, 112.1L},
         '.',
         "При φ = 112.10° шатун не достаёт до направляющей: механизм не собирается в этом "
         "положении. Увеличьте L2 или уменьшите L1."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rodReachText(c.reach, c.decimal), c.text);
}

// Mode 720 changes the rod's branch at 180° and 540°: B jumps between the rod's mirror images
// about the crank line at 180°, where A = (-l1, 0) and B = (b, ±sqrt(l2² - (b + l1)²)).
TEST(RodReach, BranchJumpOfMode720)
{
    const struct {
        const char* name;
        double l1, l2, b, fi0;
        int mode, n;
        int step; // 0: no jump told
    } cases[] = {
        {"offset guide", 0.3, 0.9, -0.247, 0, 1, 49, 14}, // 195° is the first step past 180°
        {"offset guide from 250°", 0.3, 0.9, -0.247, 250, 1, 49, 21}, // 250 + 20*15 = 550
        {"offset guide in mode 360", 0.3, 0.9, -0.247, 0, 0, 49, 0},
        {"rod perpendicular at 180° (b = l2 - l1)", 10, 25, 15, 0.1, 1, 49, 0},
        {"run ending before 180°", 0.3, 0.9, -0.247, 0, 1, 12, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParamSet p;
        setDefaults(p);
        p.l1 = c.l1, p.l2 = c.l2, p.b = c.b, p.fi0 = c.fi0, p.mode = c.mode, p.N = c.n;
        const auto jump = checkBranchJump(p);
        ASSERT_EQ(jump.has_value(), c.step != 0);
        if (!jump) continue;
        EXPECT_EQ(jump->step, c.step);
        const double half = std::sqrt(c.l2 * c.l2 - (c.b + c.l1) * (c.b + c.l1));
        EXPECT_NEAR(static_cast<double>(jump->jump), 2 * half, 1e-15);
        const std::string text = branchJumpText(*jump, ',');
        EXPECT_NE(text.find("режим 360"), std::string::npos) << text;
        EXPECT_NE(text.find("1,7969"), std::string::npos) << text;
    }
}

// Steps the check passes over must be the ones a walk through every step finds clear: the same
// verdict at the same step, for mechanisms that graze their limit, cross it late in a long run,
// have no crank, or stand near the tolerance, at the finest step a run takes.
TEST(RodReach, PassesOverNoStepAWalkThroughEveryStepWouldStopAt)
{
    const auto everyStep = [](const ParamSet& p) {
        const long double l1 = p.l1, l2 = p.l2, b = p.b;
        const long double tolerance =
            kRodReachTolerance * ((std::fabs(l1) + std::fabs(l2)) + std::fabs(b));
        for (int i = 1; i <= p.N; ++i) {
            const long double fi = rad(static_cast<long double>(p.fi0)) + (i - 1) * p.step;
            const long double gap = std::fabs(l2) - std::fabs(b - cosl(fi) * l1);
            if (gap < -tolerance) return std::pair{K::Unreachable, i};
            if (!(gap > tolerance)) return std::pair{K::Perpendicular, i};
        }
        return std::pair{K::Clear, 0};
    };
    const struct {
        double l1, l2, b, fi0;
        long double stepDegrees;
        int32_t n;
    } cases[] = {
        {10, 25, 15, 0.1, 360.0L / 89976, 89977},         // grazes 180° between steps
        {10, 25, 15, 0, 360.0L / 89976, 89977},           // meets it on a step
        {10, 25, 15 + 1e-12, 0.1, 360.0L / 89976, 89977}, // just past the limit there
        {10, 25, 15 - 1e-12, 0.1, 1.0L / 250, 89977},     // just inside it
        {0.3, 0.9, -0.247, 250, 0.01L, 36001},
        {10, 25, 40, 0.1, 0.004L, 89977},          // out of reach late in the turn
        {0, 25, 15, 0.1, 0.004L, 89977},           // no crank: the gap never moves
        {1e-12, 1, 1 - 2e-12, 0.1, 0.004L, 89977}, // a crank far below the tolerance
        {10, 25, 15, 0.1, 15.0L, 25},
        {9.5, 25, 15, 0.1, 15.0L, 89977}, // room to spare, many turns
        {10, 25, 15, 0.1, 15.0L, 89977},  // none: every turn is walked
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.l1 << " " << c.l2 << " " << c.b << " " << c.fi0);
        ParamSet p;
        setDefaults(p);
        p.l1 = c.l1;
        p.l2 = c.l2;
        p.b = c.b;
        p.fi0 = c.fi0;
        p.step = c.stepDegrees * kRadPerDeg;
        p.N = c.n;
        const auto [kind, step] = everyStep(p);
        const RodReach reach = checkRodReach(p);
        EXPECT_EQ(reach.kind, kind);
        EXPECT_EQ(reach.step, step);
    }
}
