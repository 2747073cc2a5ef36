// SPDX-License-Identifier: GPL-3.0-or-later
// The key figures of a design: the few numbers a designer compares between variants of a
// mechanism and plots against a swept parameter. One table declares each figure once (key,
// caption, unit, which way is better, how it is read from a run's summary); the variants'
// comparison, the sweep's table and chart, the sweep CSV and the printed report all read it.
#pragma once
#include <optional>
#include <span>

#include "calc/Summary.h"

// Which value of a figure is the better one when variants are compared.
enum class Better : uint8_t {
    Smaller,          // forces, accelerations, the flywheel: less is better
    SmallerMagnitude, // signed figures such as M_d: nearer to 0 is better
    Larger,           // the stroke: more is better
};

struct KeyFigure {
    const char* key;     // "flywheel": the column name of the sweep CSV
    const char* caption; // "J маховика": the column title in the windows
    const char* unit;    // "кг·м²"
    Better better;
    // The figure from a run's summary; nullopt where the run does not give it (no flywheel,
    // no full turn, no steps).
    std::optional<long double> (*read)(const RunSummary&);
};

// Every key figure, in the order the windows show them.
std::span<const KeyFigure> keyFigures();

// The figure with this key, or nullptr.
const KeyFigure* findKeyFigure(const char* key);

// The quantities whose extremes in a RunSummary some figure reads (SummaryOptions::extremesOf):
// a summary of these alone gives every figure as the full summary does.
std::span<const Quantity> keyFigureExtremes();

// The figures a sweep shows unless the user picks others: J_flywheel, peak |F_A| and M_d.
std::span<const char* const> defaultSweepFigures();

// The caption of a figure in the user's language (context "Figure"); the sweep CSV keeps
// the catalogue's own.
std::string shownCaption(const KeyFigure& f);

// Whether a is better than b for figure f.
bool betterThan(const KeyFigure& f, long double a, long double b);
