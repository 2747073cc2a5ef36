// SPDX-License-Identifier: GPL-3.0-or-later
// The locale's decimal separator for programs without a window, by the rule the window's toolkit
// follows on this system: the first set of LC_ALL, LC_NUMERIC, LANG names the locale.
#pragma once

// The decimal point of the named locale's numeric category: '.' when no variable is set, for
// "C" and "POSIX", for a locale the system does not have, and for a decimal point that is not
// one printable ASCII character.
char environmentDecimalSeparator();
