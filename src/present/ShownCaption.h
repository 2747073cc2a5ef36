// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of the grid's rows as a window shows them. The caption file is the user's: a line
// they wrote is shown as written, in any language. A line that is still the catalogue's own
// Russian default ("dfi: поворот кривошипа от шага 1, рад") is shown in the user's language,
// so that an English window does not show the shipped file's Russian. The file itself, and the
// files written from it, keep its bytes.
#pragma once
#include <string>

// The caption of grid row `row` for the window, given the caption file's line for it.
std::string shownRowCaption(int row, const std::string& fileCaption);
