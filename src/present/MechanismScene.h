// SPDX-License-Identifier: GPL-3.0-or-later
// What the mechanism view draws at one step of the run, in metres, and how metres map onto a
// drawing area. Plain C++: the view only paints what this unit places.
//
// Before a calculation, and while the parameters on screen differ from the results', a position
// is placed the way the autofill places the points at fi0, at the step's crank angle instead; a
// position the rod cannot reach is placed with the rod lying along x toward the guide, short of
// it. With results of the parameters on screen, a position is read from the store, with the
// complete joint forces (those with the guide's reaction) at that step.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"

struct PlanePoint {
    long double x = 0, y = 0;
};

// A complete joint force: where it acts and its components, in N.
struct JointForce {
    const char* name; // "F_A", "F_B", "F_O"
    PlanePoint at;
    PlanePoint force;
    long double magnitude = 0; // fak, fbk or fok
};

struct MechanismPose {
    int step = 1;
    long double angleDegrees = 0;
    PlanePoint O, A, B, C1, C2, C3;
    long double guideX = 0; // the guide is the line x = b
    // False when the rod cannot reach the guide here: B is then the rod's free end, short of it,
    // and `reason` says why as the pre-run check words it.
    bool assembled = true;
    std::string reason;
    bool branchJump = false;         // the first step of a mode-720 run on the rod's other branch
    std::optional<long double> load; // the load's q on the slider along y, when a load is set
    std::vector<JointForce> forces;  // complete forces, only from results
};

// The drawing's extent in metres: every position of the run fits in it (the crank's circle, the
// rod's reach along the guide, the guide itself).
struct PlaneBox {
    long double minX = 0, maxX = 0, minY = 0, maxY = 0;
};

// A uniform scale from metres to drawing units, y pointing down as on a screen.
struct PlaneMapping {
    double scale = 1;   // drawing units per metre, the same along x and y
    double originX = 0; // where x = 0 lands
    double originY = 0; // where y = 0 lands
    double mapX(long double x) const { return originX + scale * static_cast<double>(x); }
    double mapY(long double y) const { return originY - scale * static_cast<double>(y); }
};

// The box around every position of parameter set p: x over -|l1|..|l1| and b, y over
// -(|l1| + |l2|)..(|l1| + |l2|); a box of 1 m about O when the lengths give none.
PlaneBox mechanismBox(const ParamSet& p);

// The largest uniform scale that puts `box` inside width × height less `margin` on every side,
// centred; scale 1 when the area leaves no room.
PlaneMapping fitBox(const PlaneBox& box, double width, double height, double margin);

// The scene of one run or one parameter set: the checks that need every step are made once per
// change, and poses are then placed at any step.
class MechanismScene {
public:
    // The parameters on screen and the store; with fresh results (computed with parameters
    // sameInputs as p), poses come from the store, otherwise from p. `decimal` is the reason's
    // separator.
    void update(const ParamSet& p, const ResultStore& R, char decimal);

    // Steps a cursor may take: the computed steps with fresh results, else N (cut to the
    // store's capacity), and at least 1.
    int steps() const { return steps_; }
    bool fromResults() const { return fromResults_; }
    const ParamSet& params() const { return params_; }
    const PlaneBox& box() const { return box_; }
    // The largest complete joint force of the run (0 without results): arrows scale by it.
    long double largestForce() const { return largestForce_; }
    // The first problem of the geometry the pre-run check finds in the run, "" when clear.
    const std::string& runProblem() const { return runProblem_; }
    // The mode-720 branch jump warning, "" when the run has none.
    const std::string& branchJumpWarning() const { return jumpText_; }

    // The pose at `step`, cut to 1..steps().
    MechanismPose pose(int step) const;

private:
    MechanismPose poseFromParams(int step) const;
    MechanismPose poseFromResults(int step) const;
    ParamSet params_;
    const ResultStore* store_ = nullptr;
    bool fromResults_ = false;
    int steps_ = 1;
    char decimal_ = '.';
    PlaneBox box_;
    long double largestForce_ = 0;
    std::string runProblem_;
    std::string jumpText_;
    int jumpStep_ = 0;
    // What the run's checks were made for.
    struct CheckedInputs {
        double l1, l2, b, fi0;
        long double step;
        int32_t N;
        bool mode720;
        char decimal;
        bool operator==(const CheckedInputs&) const = default;
    };
    std::optional<CheckedInputs> checked_;
};
