// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/MechanismScene.h"

#include <algorithm>
#include <cmath>

#include "calc/Calculation.h"
#include "calc/CrankAngle.h"
#include "calc/Load.h"
#include "calc/RodReach.h"
#include "params/Autofill.h"

namespace {

using Q = Quantity;

PlanePoint at(const ResultStore& R, Q x, Q y, int i)
{
    return {R(x, i), R(y, i)};
}

std::optional<long double> finiteOrNone(long double v)
{
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

} // namespace

PlaneBox mechanismBox(const ParamSet& p)
{
    const long double l1 = std::fabs(static_cast<long double>(p.l1));
    const long double l2 = std::fabs(static_cast<long double>(p.l2));
    const long double b = p.b;
    PlaneBox box{std::min(-l1, b), std::max(l1, b), -(l1 + l2), l1 + l2};
    if (!std::isfinite(box.minX + box.maxX + box.minY + box.maxY)) box = {};
    // A mechanism of no size still gets a frame the view can scale to.
    if (box.maxX - box.minX <= 0 && box.maxY - box.minY <= 0) box = {-0.5L, 0.5L, -0.5L, 0.5L};
    return box;
}

PlaneMapping fitBox(const PlaneBox& box, double width, double height, double margin)
{
    const double w = width - 2 * margin, h = height - 2 * margin;
    const double bw = static_cast<double>(box.maxX - box.minX);
    const double bh = static_cast<double>(box.maxY - box.minY);
    PlaneMapping m;
    if (w <= 0 || h <= 0) return m;
    // One scale for both axes, or the drawing would not be to scale; a box flat in one
    // direction is scaled by the other alone.
    if (bw > 0 && bh > 0)
        m.scale = std::min(w / bw, h / bh);
    else
        m.scale = bw > 0 ? w / bw : h / bh;
    const double cx = static_cast<double>(box.minX + box.maxX) / 2;
    const double cy = static_cast<double>(box.minY + box.maxY) / 2;
    m.originX = width / 2 - m.scale * cx;
    m.originY = height / 2 + m.scale * cy;
    return m;
}

void MechanismScene::update(const ParamSet& p, const ResultStore& R, char decimal)
{
    decimal_ = decimal;
    store_ = &R;
    fromResults_ = R.computedWith() && R.computedSteps() > 0 && !resultsStale(p, R);
    params_ = fromResults_ ? *R.computedWith() : p;
    steps_ = fromResults_ ? R.computedSteps() : std::clamp<int32_t>(p.N, 1, ResultStore::kSteps);
    box_ = mechanismBox(params_);
    // The checks walk every step of the run: made again only when what they read changed,
    // not for a mass or a load typed.
    const CheckedInputs inputs{params_.l1,   params_.l2, params_.b,         params_.fi0,
                               params_.step, params_.N,  params_.mode != 0, decimal};
    if (!checked_ || !(*checked_ == inputs)) {
        runProblem_ = rodReachText(checkRodReach(params_), decimal);
        const auto jump = checkBranchJump(params_);
        jumpStep_ = jump ? jump->step : 0;
        jumpText_ = jump ? branchJumpText(*jump, decimal) : std::string();
        checked_ = inputs;
    }
    largestForce_ = 0;
    if (fromResults_)
        for (const Q q : {Q::fak, Q::fbk, Q::fok}) {
            const long double* row = R.row(q);
            for (int i = 1; i <= steps_; ++i)
                if (std::isfinite(row[i]))
                    largestForce_ = std::max(largestForce_, std::fabs(row[i]));
        }
}

MechanismPose MechanismScene::pose(int step) const
{
    const int i = std::clamp(step, 1, steps_);
    MechanismPose pose = fromResults_ ? poseFromResults(i) : poseFromParams(i);
    pose.step = i;
    pose.angleDegrees = crankAngleDegrees(params_, i);
    pose.guideX = params_.b;
    pose.branchJump = jumpStep_ != 0 && i == jumpStep_;
    return pose;
}

MechanismPose MechanismScene::poseFromParams(int step) const
{
    MechanismPose pose;
    const long double angle = crankAngleDegrees(params_, step);
    ParamSet placed = params_;
    placed.fi0 = static_cast<double>(angle);
    if (autofillPoints(placed)) {
        pose.A = {placed.ac4, placed.bc4};
        pose.B = {placed.ac5, placed.bc5};
        pose.C1 = {placed.ac1, placed.bc1};
        pose.C2 = {placed.ac2, placed.bc2};
        pose.C3 = {placed.ac3, placed.bc3};
    } else {
        // The rod lies along x toward the guide, its full length, and stops short of it: the
        // gap the user sees is the one the message names.
        const long double fi = rad(angle);
        const long double l1 = params_.l1;
        const long double l2 = std::fabs(static_cast<long double>(params_.l2));
        pose.A = {l1 * std::cos(fi), l1 * std::sin(fi)};
        const long double towards = params_.b >= pose.A.x ? 1 : -1;
        pose.B = {pose.A.x + towards * l2, pose.A.y};
        pose.C1 = {pose.A.x / 2, pose.A.y / 2};
        pose.C2 = {(pose.A.x + pose.B.x) / 2, pose.A.y};
        pose.C3 = {params_.b, pose.A.y};
        pose.assembled = false;
        pose.reason = rodReachText({RodReach::Kind::Unreachable, step, angle}, decimal_);
    }
    // Before a calculation the slider's velocity is not known: a load by the stroke is drawn
    // as the mean of its two columns, as it acts at rest.
    if (params_.load.active() && pose.assembled)
        pose.load = finiteOrNone(loadForceY(params_, {angle, pose.B.y, 0}));
    return pose;
}

MechanismPose MechanismScene::poseFromResults(int i) const
{
    const ResultStore& R = *store_;
    MechanismPose pose;
    pose.A = at(R, Q::xa, Q::ya, i);
    pose.B = at(R, Q::xb, Q::yb, i);
    pose.C1 = at(R, Q::xc1, Q::yc1, i);
    pose.C2 = at(R, Q::xc2, Q::yc2, i);
    pose.C3 = at(R, Q::xc3, Q::yc3, i);
    if (params_.load.active()) pose.load = finiteOrNone(R(Q::q, i));
    // The complete forces: x with the guide's reaction (the k rows), y as the force stage gives.
    pose.forces = {
        {"F_O", pose.O, at(R, Q::foxk, Q::foy, i), R(Q::fok, i)},
        {"F_A", pose.A, at(R, Q::faxk, Q::fay, i), R(Q::fak, i)},
        {"F_B", pose.B, at(R, Q::fbxk, Q::fby, i), R(Q::fbk, i)},
    };
    return pose;
}
