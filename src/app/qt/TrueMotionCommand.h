// SPDX-License-Identifier: GPL-3.0-or-later
// "Истинное движение" in the menu "Вид": the true-motion window of the main window, made on first
// use and wired to it so that it follows the calculations, the stale line, the crank-angle cursor
// (and moves it on a click), and shows the choices again after every change and every undo.
#pragma once

#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"

class MainWindow;
class TrueMotionWindow;

// Shows the true-motion window of `window` (its child "trueMotionWindow", made on first use),
// filled from `store` with the parameters on screen `params`; one shown already is refilled and
// brought to the front.
TrueMotionWindow* showTrueMotionWindow(MainWindow& window, const ParamSet& params,
                                       const ResultStore& store, Platform& platform);
