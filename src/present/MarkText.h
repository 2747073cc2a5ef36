// SPDX-License-Identifier: GPL-3.0-or-later
// Text of a chart value mark: a point's value in the pattern "#,##0.###" with the program's
// decimal separator and the locale's digit-group separator.
#pragma once
#include <string>
#include <string_view>

// "#,##0.###": at least one integer digit, integer digits in groups of three joined by `group`,
// at most three decimals rounded half away from zero with trailing zeros dropped (and the decimal
// separator with them), "-" only before a value that stays non-zero after rounding. The decimal
// separator is `decimal`. Magnitudes of 1E18 and above have no fixed form here and come
// out as FormatGeneral gives them ("1E20").
std::string markText(long double value, std::string_view group, char decimal);

// The group separator to write beside `decimal`: the locale's own (UTF-8), unless it is empty or
// the decimal separator itself; then "," beside a '.' decimal and a no-break space beside any
// other.
std::string markGroupSeparator(char decimal, std::string_view localeGroup);
