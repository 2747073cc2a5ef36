// SPDX-License-Identifier: GPL-3.0-or-later
// The true motion as the calculation runs it: before the kinematic stage, the steady running of
// the machine under its drive and flywheel is found and read at every step, so that the stages
// run with the true ω, ε and time instead of the prescribed ones.
#pragma once
#include "base/UiText.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

// The kinematic stage's message when the true motion has no steady running; the reason itself
// is the store's trueMotion()->error.
// A source text of context "Calculation", shown as the other stages' messages are.
inline constexpr const char* kTrueMotionFault = UI_TEXT_NOOP(
    "Calculation", "Операция прервана. Истинное движение не найдено: у машины нет установившегося "
                   "движения при этом приводе и маховике.");

// The flywheel J_flywheel the summary sizes for p under the prescribed law (the method of the
// constant driving moment at p.delta, over the load's period), or 0 when it needs none or
// cannot size one.
long double summaryFlywheel(const ParamSet& p);

// The flywheel the true motion of p takes: p.flywheel, or summaryFlywheel(p) when it is
// negative.
long double trueMotionFlywheel(const ParamSet& p);

// The setup the true motion of p is computed for: its drive, the prescribed speed Fit0 as the
// constant drive's level, the start-up's initial speed (p.startSpeed) and the load's period.
TrueMotionSetup trueMotionSetup(const ParamSet& p);

// The true motion of p, whatever law p is in force, without touching a store: the flywheel
// taken, the steady running or why there is none (also in mode 720 and for a step that is not
// > 0), and the start-up from p.startSpeed or why there is none.
TrueMotionRun findTrueMotion(const ParamSet& p);

// For p.motion == MotionLaw::True: finds the steady running and the start-up (findTrueMotion),
// records them in the store (setTrueMotion) and writes omega_true, eps_true and t_true of
// steps 1..N (N cut to the store). False, the rows untouched, when there is no steady running (the
// store's trueMotion()->error says why), also in mode 720, whose rod turns over, and for a step
// that is not > 0.
bool trueMotionStage(const ParamSet& p, ResultStore& R);
