// SPDX-License-Identifier: GPL-3.0-or-later
// The one crank-angle cursor every view follows: the current step of the run, 1..steps. Plain
// C++; views subscribe and are told each move once.
#pragma once
#include <functional>
#include <map>

#include "params/ParamSet.h"

class CrankCursor {
public:
    using Listener = std::function<void(int step)>;

    int step() const { return step_; }
    int steps() const { return steps_; }

    // Sets the number of steps (at least 1); a step beyond it moves back to the last one, and
    // the listeners are told when the step changed.
    void setSteps(int steps);
    // Moves to `step`, cut to 1..steps(); tells every listener, in the order they subscribed,
    // only when the step changed. Returns whether it did.
    bool moveTo(int step);
    // Moves by `delta` steps from the current one (cut as moveTo).
    bool moveBy(int delta) { return moveTo(step_ + delta); }

    // Adds a listener; the id unsubscribes it.
    int subscribe(Listener listener);
    void unsubscribe(int id);

private:
    void notify();
    int step_ = 1;
    int steps_ = 1;
    int nextId_ = 0;
    std::map<int, Listener> listeners_;
};

// The step of parameter set p, among 1..steps, whose crank angle (crankAngleDegrees) lies
// nearest to `degrees`: how a click on a chart's angle axis becomes a step. 1 when the step
// size is 0 or the angle is not a number.
int nearestStep(const ParamSet& p, int steps, long double degrees);
