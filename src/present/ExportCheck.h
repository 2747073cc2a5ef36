// SPDX-License-Identifier: GPL-3.0-or-later
// The question an export asks before it writes results that belong to parameters other than
// those on screen, and the hook through which the window that owns the parameters answers it.
#pragma once
#include <functional>

#include "base/UiText.h"
#include "params/ParamSet.h"

// The question's text; its answers are those of Platform::askStaleResults.
inline constexpr const char* kStaleExportQuestion =
    UI_TEXT_NOOP("Calculation", "Результаты относятся к прежним параметрам.");

// What an export reads besides the store.
enum class ExportSource {
    Store, // the store's run alone (CSV, PDF, print, animation)
    Grid,  // the grid's text as last refreshed (the report)
};

// Asked by an export once it knows there are results and before its file dialog, with the
// parameter set of the results it is about to write: true to go on, reading the results again
// (they may have been recalculated meanwhile), false to write nothing. An export without a
// check goes on.
using ExportCheck = std::function<bool(const ParamSet& written, ExportSource source)>;
