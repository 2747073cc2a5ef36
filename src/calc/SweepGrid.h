// SPDX-License-Identifier: GPL-3.0-or-later
// A sweep over several parameters at once. Its rows are the Cartesian product of the axes in a
// fixed order: the last axis varies fastest, the first slowest, as nested loops written in the
// order of the axes; rows are numbered from 0. A shard K of N computes only the rows whose index
// is K mod N, so that N processes on any number of machines share one sweep. The rows reach the
// caller in index order as they are done, only a bounded window of them held at a time.
#pragma once
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/Sweep.h"

// The most rows a sweep over several parameters takes.
inline constexpr long long kMaxSweepRows = 1000000;

// The axes of the sweep, the first the slowest (each axis's key, from, to and count are read;
// its autofill and decimal are not), whether the autofill places the points for every row
// (after every axis's value is set), and the separator of the numbers in the reasons.
struct SweepGrid {
    std::vector<SweepPlan> axes;
    bool autofill = false;
    char decimal = '.';
};

// Which rows a process computes: those whose index is `part` mod `parts` (0 <= part < parts).
struct SweepShard {
    long long part = 0;
    long long parts = 1;
};

// The number of rows: the product of the axes' counts; 0 without axes or with a count below 1.
// Saturates at kMaxSweepRows + 1 so that no product overflows.
long long sweepGridRows(const SweepGrid& grid);

// Why `grid` cannot be swept from `base`, or "": no axis, an axis sweepPlanFault refuses (the
// first such), a key on two axes, or more than kMaxSweepRows rows.
std::string sweepGridFault(const ParamSet& base, const SweepGrid& grid);

// The position of row `row` on each axis (0-based, one per axis): the digits of `row` in the
// mixed radix of the counts, the last axis the lowest digit. `row` must lie below the rows.
std::vector<int> sweepGridCell(const SweepGrid& grid, long long row);

// The rows of `rows` that shard `shard` computes: part, part + parts, ... below rows.
long long sweepShardRows(long long rows, const SweepShard& shard);

// One row's outcome: its index, each axis's value as the variant holds it (a Double parameter
// rounded to double), and the variant's point (its value the first axis's).
struct SweepRow {
    long long index = 0;
    std::vector<long double> values;
    SweepPoint point;
};

// The parameters of row `row`: `base` with every axis's value set in axis order (sweepVariant),
// then the autofill when the grid asks for it; nullopt when a value or the autofill is refused,
// *fault then saying why. `values` (when given) receives each axis's value as asked.
std::optional<ParamSet> sweepGridVariant(const ParamSet& base, const SweepGrid& grid, long long row,
                                         std::string* fault,
                                         std::vector<long double>* values = nullptr);

// Calculates row `row` in `store` and `scratch` as evaluateVariant does one value: `base` with
// every axis's value set in axis order (sweepVariant), then the autofill when asked for, then
// evaluateSweptParams. A value refused fails the row with its reason.
SweepRow evaluateSweepRow(const ParamSet& base, const SweepGrid& grid, long long row,
                          ResultStore& store, ResultStore& scratch);

// Hears each row of a sweep, in index order, one call at a time.
using SweepRowSink = std::function<void(const SweepRow& row)>;

// Every row of `shard` on `jobs` threads (0: every core; never more than there are rows), each
// thread with its two stores reused for all its rows, as runSweep. The rows reach `sink` in index
// order while the others are calculated; at most kSweepWindowPerJob rows a thread are held.
// `progress` hears rows done out of the shard's rows. When `cancel` turns true the workers stop
// after the rows in hand and false is returned; the rows already delivered stay delivered. An
// exception of a worker or of the sink stops the others and is rethrown. The grid must be one
// sweepGridFault accepts.
bool runSweepGrid(const ParamSet& base, const SweepGrid& grid, const SweepShard& shard, int jobs,
                  const std::atomic<bool>& cancel, const SweepRowSink& sink,
                  const SweepProgress& progress = {});

// The rows a thread may run ahead of the first row not yet delivered.
inline constexpr int kSweepWindowPerJob = 16;
