// SPDX-License-Identifier: GPL-3.0-or-later
// The batch's options of the true motion: --motion, --flywheel and --drive, from their text.
#pragma once
#include <string>

#include "params/ParamSet.h"

// --motion: "true" or "prescribed". Throws BatchBadInput for any other text.
void applyMotionOption(ParamSet& p, const std::string& text);

// --flywheel: J_fw in kg·m², a finite real >= 0 (ParseReal). Throws BatchBadInput otherwise.
void applyFlywheelOption(ParamSet& p, const std::string& text);

// --drive: "constant", "motor:M_n:ω_n:ω_0" (reals, the motor's driveFault must pass) or
// "table:FILE" (readDriveCsv). Throws BatchBadInput naming what is wrong.
void applyDriveOption(ParamSet& p, const std::string& text);
