// SPDX-License-Identifier: GPL-3.0-or-later
// Autofill of the point coordinates: places A, B, C1, C2, C3 from l1, l2, b and fi0, so that
// B lies on the slider guide x = b and the centres of mass sit at the links' midpoints.
#pragma once
#include <string>

#include "base/UiText.h"
#include "params/Outcome.h"
#include "params/ParamSet.h"

inline constexpr const char* kAutofillFault =
    UI_TEXT_NOOP("Autofill", "Критическая ошибка: перезапустите программу");
inline constexpr const char* kAutofillUnreachable = UI_TEXT_NOOP(
    "Autofill",
    "Шатун не достаёт до направляющей при Fi0: механизм не собирается. Увеличьте L2 или "
    "уменьшите L1.");

// Writes, in this order and each at once: phi0, ac4, ac1, psi0, ac5, bc4, bc5, bc1, ac2, bc2,
// ac3, bc3, all in extended precision. The rod takes the branch of rodBranchAtDegrees at fi0 in
// mode 720 (B below A where the stage turns the rod on its negative branch), the positive one
// in mode 360. Returns false when the rod cannot reach the guide
// (|b - l1 cos phi0| > l2) or l2 is 0: then phi0, ac4 and ac1 hold their new values and every
// other field keeps its old one.
bool autofillPoints(ParamSet& p);

// Why autofillPoints failed for p: kAutofillUnreachable when the rod (of a length other than 0)
// cannot reach the guide at fi0, kAutofillFault for any other fault.
std::string autofillFaultText(const ParamSet& p);

// The autofill command: on success the full refresh, on failure only the message box
// autofillFaultText (the labels keep showing the previous coordinates).
Outcome autofill(ParamSet& p);
