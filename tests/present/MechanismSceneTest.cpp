// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanism view's geometry: positions placed from the parameters against the closed form of
// the slider-crank (A on the crank's circle, B on the guide at the rod's length, on the branch
// of the mode), positions read from a run, a position the rod cannot reach, the branch jump, the
// load, and the uniform scale onto a drawing area.
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "calc/Calculation.h"
#include "present/MechanismScene.h"
#include "support/RunParams.h"

namespace {

ParamSet mechanism(double l1, double l2, double b, double fi0, long double mode, int N,
                   long double stepDegrees)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = l1, p.l2 = l2, p.b = b, p.fi0 = fi0, p.mode = mode;
    p.N = N;
    p.step = rad(stepDegrees);
    return p;
}

long double distance(PlanePoint a, PlanePoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

ResultStore& store()
{
    static const auto R = std::make_unique<ResultStore>();
    return *R;
}

} // namespace

// Before a calculation: A = l1 (cos φ, sin φ), B = (b, yA ± sqrt(l2² − (b − xA)²)) with + in
// mode 360 and, in mode 720, − while the crank angle lies in (180°, 540°); C1 and C2 at the
// links' midpoints, C3 at B.
TEST(MechanismScene, PositionFromParametersIsTheClosedForm)
{
    const struct {
        double l1, l2, b, fi0;
        long double mode;
        int step;
    } cases[] = {
        {10, 25, 15, 0.1, 0, 1},     {10, 25, 15, 0.1, 0, 9}, {0.12, 0.47, 0.035, 17.5, 0, 20},
        {0.2, 0.5, -0.1, 120, 0, 3}, {10, 25, 5, 0.1, 1, 14}, {10, 25, 5, 0.1, 1, 25},
    };
    ResultStore empty; // no run: positions come from the parameters
    for (const auto& c : cases) {
        const ParamSet p = mechanism(c.l1, c.l2, c.b, c.fi0, c.mode, 25, 15);
        MechanismScene scene;
        scene.update(p, empty, ',');
        ASSERT_FALSE(scene.fromResults());
        const MechanismPose pose = scene.pose(c.step);
        const long double fi = rad(c.fi0 + 15.0L * (c.step - 1));
        const long double xa = c.l1 * std::cos(fi), ya = c.l1 * std::sin(fi);
        const long double deg = c.fi0 + 15.0L * (c.step - 1);
        const long double sign = c.mode != 0 && deg > 180 && deg < 540 ? -1 : 1;
        const long double yb = ya + sign * std::sqrt(c.l2 * c.l2 - (c.b - xa) * (c.b - xa));
        const long double tol = 1e-12L * (c.l1 + c.l2);
        EXPECT_TRUE(pose.assembled) << c.step;
        EXPECT_NEAR(pose.A.x, xa, tol) << c.l1 << " step " << c.step;
        EXPECT_NEAR(pose.A.y, ya, tol) << c.l1 << " step " << c.step;
        EXPECT_NEAR(pose.B.x, c.b, tol) << c.l1 << " step " << c.step;
        EXPECT_NEAR(pose.B.y, yb, tol) << c.l1 << " step " << c.step;
        EXPECT_NEAR(pose.C1.x, xa / 2, tol);
        EXPECT_NEAR(pose.C2.y, (ya + yb) / 2, tol);
        EXPECT_NEAR(pose.C3.y, yb, tol);
        EXPECT_NEAR(pose.angleDegrees, deg, 1e-12L);
        EXPECT_TRUE(pose.forces.empty());
        EXPECT_EQ(scene.steps(), 25);
    }
}

// A rod too short for the guide: the position is not assembled, the rod keeps its length and
// lies along x toward the guide, short of it, and the reason names the angle as the pre-run
// check does. Steps that the rod reaches stay assembled.
TEST(MechanismScene, UnreachablePositionKeepsTheRodShortOfTheGuide)
{
    const struct {
        double l1, l2, b;
        int step;
        bool assembled;
        const char* angle; // as the reason writes it
    } cases[] = {
        {10, 8, 15, 1, true, nullptr},    {10, 8, 15, 7, false, "90,00"},
        {10, 8, 15, 13, false, "180,00"}, {10, 8, -15, 13, true, nullptr},
        {10, 8, -15, 1, false, "0,00"},
    };
    ResultStore empty;
    for (const auto& c : cases) {
        MechanismScene scene;
        scene.update(mechanism(c.l1, c.l2, c.b, 0, 0, 25, 15), empty, ',');
        const MechanismPose pose = scene.pose(c.step);
        EXPECT_EQ(pose.assembled, c.assembled) << c.b << " step " << c.step;
        EXPECT_NEAR(distance(pose.A, pose.B), c.l2, 1e-12L) << c.step;
        EXPECT_FALSE(scene.runProblem().empty()) << "the run meets the problem somewhere";
        if (c.assembled) {
            EXPECT_TRUE(pose.reason.empty());
            continue;
        }
        // Short of the guide, on the guide's side of A, at A's height.
        EXPECT_LT(std::fabs(pose.B.x - c.b), std::fabs(pose.A.x - c.b)) << c.step;
        EXPECT_GT(std::fabs(pose.B.x - c.b), 0.5L);
        EXPECT_EQ(pose.B.y, pose.A.y);
        EXPECT_NE(pose.reason.find("не достаёт до направляющей"), std::string::npos) << pose.reason;
        EXPECT_NE(pose.reason.find(std::string("φ = ") + c.angle), std::string::npos)
            << pose.reason;
    }
}

// In mode 720 a run across 180° jumps to the other branch: the first step past 180° is marked,
// no other; mode 360 marks none.
TEST(MechanismScene, BranchJumpIsMarkedAtItsStep)
{
    const struct {
        long double mode;
        int jumpStep; // 0: none
    } cases[] = {{1, 13}, {0, 0}};
    ResultStore empty;
    for (const auto& c : cases) {
        MechanismScene scene;
        scene.update(mechanism(10, 25, 5, 0.1, c.mode, 25, 15), empty, '.');
        for (int i = 1; i <= 25; ++i)
            EXPECT_EQ(scene.pose(i).branchJump, i == c.jumpStep) << "step " << i;
        EXPECT_EQ(scene.branchJumpWarning().empty(), c.jumpStep == 0);
    }
}

// With results of the parameters on screen the positions and complete forces come from the
// run: A on the crank's circle, and each force's magnitude the length of its own components
// (the x with the guide's reaction). Parameters changed afterwards put the view back on them.
TEST(MechanismScene, RunGivesPositionsAndCompleteForcesUntilParametersChange)
{
    const struct {
        double l1, l2, b, fi0;
        int cycles;
    } cases[] = {{10, 25, 15, 0.1, 1}, {0.12, 0.47, 0.035, 17.5, 2}};
    for (const auto& c : cases) {
        ParamSet p = withRun(mechanism(c.l1, c.l2, c.b, c.fi0, 0, 25, 15), 15, c.cycles);
        runCalculation(p, store());
        MechanismScene scene;
        scene.update(p, store(), '.');
        ASSERT_TRUE(scene.fromResults());
        EXPECT_EQ(scene.steps(), store().computedSteps());
        long double largest = 0;
        for (int i = 1; i <= scene.steps(); ++i) {
            const MechanismPose pose = scene.pose(i);
            const long double fi = rad(c.fi0 + 15.0L * (i - 1));
            EXPECT_NEAR(pose.A.x, c.l1 * std::cos(fi), 1e-9L * c.l1) << i;
            EXPECT_NEAR(pose.A.y, c.l1 * std::sin(fi), 1e-9L * c.l1) << i;
            EXPECT_NEAR(distance(pose.A, pose.B), c.l2, 1e-9L * c.l2) << i;
            ASSERT_EQ(pose.forces.size(), 3u);
            for (const JointForce& f : pose.forces) {
                EXPECT_NEAR(std::hypot(f.force.x, f.force.y), f.magnitude, 1e-9L * f.magnitude)
                    << f.name << " step " << i;
                largest = std::max(largest, f.magnitude);
            }
            EXPECT_EQ(distance(pose.forces[1].at, pose.A), 0);
            EXPECT_EQ(distance(pose.forces[2].at, pose.B), 0);
        }
        EXPECT_EQ(scene.largestForce(), largest);
        EXPECT_GT(largest, 0);

        ParamSet typed = p;
        typed.l1 = c.l1 * 0.9;
        typed.N = 7;
        scene.update(typed, store(), '.');
        EXPECT_FALSE(scene.fromResults());
        EXPECT_EQ(scene.steps(), 7);
        EXPECT_NEAR(distance(scene.pose(3).O, scene.pose(3).A), typed.l1, 1e-12);
        EXPECT_TRUE(scene.pose(3).forces.empty());
    }
}

// A load set gives the slider's arrow its q: a constant Q along y is q = Q at every step, from
// the parameters and from the run alike; no load gives no arrow.
TEST(MechanismScene, LoadArrowCarriesTheLoadsForce)
{
    const struct {
        LoadKind kind;
        long double force;
    } cases[] = {{LoadKind::ByAngle, 750}, {LoadKind::ByAngle, -120}, {LoadKind::None, 0}};
    for (const auto& c : cases) {
        ParamSet p = withRun(mechanism(10, 25, 15, 0.1, 0, 25, 15), 15, 1);
        p.load = {c.kind, LoadDirection::AlongY, {{0, c.force, 0}}};
        for (const bool calculated : {false, true}) {
            if (calculated) runCalculation(p, store());
            ResultStore empty;
            MechanismScene scene;
            scene.update(p, calculated ? store() : empty, '.');
            ASSERT_EQ(scene.fromResults(), calculated);
            for (const int i : {1, 8, 25}) {
                const MechanismPose pose = scene.pose(i);
                ASSERT_EQ(pose.load.has_value(), c.kind != LoadKind::None) << i;
                if (pose.load) {
                    EXPECT_NEAR(*pose.load, c.force, 1e-9L) << i;
                }
            }
        }
    }
}

// The drawing's scale is one for x and y, the box fits the area less its margin, centred, and
// the crank's circle fits the box.
TEST(MechanismScene, BoxFitsTheAreaAtOneScale)
{
    const struct {
        double l1, l2, b;
        double width, height, margin;
    } cases[] = {
        {10, 25, 15, 400, 300, 20},
        {0.1, 0.4, 0.05, 200, 600, 10},
        {0.2, 0.5, -0.9, 640, 120, 8},
        {0, 0, 0, 100, 100, 5},
    };
    for (const auto& c : cases) {
        const ParamSet p = mechanism(c.l1, c.l2, c.b, 0, 0, 25, 15);
        const PlaneBox box = mechanismBox(p);
        EXPECT_LE(box.minX, -std::fabs(c.l1));
        EXPECT_GE(box.maxX, std::fabs(c.l1));
        EXPECT_LE(box.minX, c.b);
        EXPECT_GE(box.maxX, c.b);
        EXPECT_GE(box.maxY, c.l1 + c.l2);
        EXPECT_LT(box.minX, box.maxX);
        const PlaneMapping m = fitBox(box, c.width, c.height, c.margin);
        const double left = m.mapX(box.minX), right = m.mapX(box.maxX);
        const double top = m.mapY(box.maxY), bottom = m.mapY(box.minY);
        EXPECT_GE(left, c.margin - 1e-9);
        EXPECT_LE(right, c.width - c.margin + 1e-9);
        EXPECT_GE(top, c.margin - 1e-9);
        EXPECT_LE(bottom, c.height - c.margin + 1e-9);
        // Touches the margin on one side pair: the largest scale.
        const bool fillsWidth = std::fabs(right - left - (c.width - 2 * c.margin)) < 1e-6;
        const bool fillsHeight = std::fabs(bottom - top - (c.height - 2 * c.margin)) < 1e-6;
        EXPECT_TRUE(fillsWidth || fillsHeight) << c.l1;
        EXPECT_NEAR((left + right) / 2, c.width / 2, 1e-6);
        EXPECT_NEAR((top + bottom) / 2, c.height / 2, 1e-6);
    }
}

// One scene follows a sequence of edits: the run's problem and jump follow the lengths, the
// angle, the step and the mode, and a mass typed leaves them as they were.
TEST(MechanismScene, RunChecksFollowEveryEditThatChangesThem)
{
    const struct {
        const char* edit;
        void (*apply)(ParamSet&);
        bool problem, jump;
    } cases[] = {
        {"start", [](ParamSet&) {}, false, false},
        {"rod too short", [](ParamSet& p) { p.l2 = 8; }, true, false},
        {"a mass", [](ParamSet& p) { p.m2 = 3; }, true, false},
        {"rod long again", [](ParamSet& p) { p.l2 = 25; }, false, false},
        {"mode 720", [](ParamSet& p) { p.mode = 1; }, false, true},
        {"guide moved", [](ParamSet& p) { p.b = 15; }, false, false}, // b = l2 − l1: smooth
        {"guide back", [](ParamSet& p) { p.b = 5; }, false, true},
        {"three steps only", [](ParamSet& p) { p.N = 3; }, false, false},
    };
    ResultStore empty;
    MechanismScene scene;
    ParamSet p = mechanism(10, 25, 5, 0.1, 0, 25, 15);
    for (const auto& c : cases) {
        c.apply(p);
        scene.update(p, empty, '.');
        EXPECT_EQ(!scene.runProblem().empty(), c.problem) << c.edit;
        EXPECT_EQ(!scene.branchJumpWarning().empty(), c.jump) << c.edit;
    }
}
