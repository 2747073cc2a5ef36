// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --sweep: the option's text, and the sweep's rows as CSV for scripts.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "calc/Sweep.h"
#include "calc/SweepGrid.h"

// A value of --sweep, --jobs or --shard that cannot be taken; the message says why.
struct SweepOptionError {
    std::string message;
};

// "KEY=FROM:TO:COUNT" (blanks around the parts allowed; numbers with the period as decimal
// separator, COUNT a whole number) as a plan with the period in its reasons. The key and the
// count are checked later, against the parameters (sweepPlanFault). Throws SweepOptionError.
SweepPlan parseSweepOption(const std::string& text);

// A thread count: a whole number from 1 to 1024. Throws SweepOptionError.
int parseJobsOption(const std::string& text);

// "K/N" (whole numbers, 0 <= K < N <= kMaxSweepRows): the shard of the rows whose index is K
// mod N. Throws SweepOptionError.
SweepShard parseShardOption(const std::string& text);

// The header line of a sweep's CSV: "index," and each axis's key when `indexed`, else the one
// axis's key; then "status" and every key figure's key. Lines end in "\n".
std::string sweepCsvHeader(const SweepGrid& grid, bool indexed);

// One row of a sweep's CSV, as the header orders it: the index when `indexed`, each axis's value
// as the variant holds it, "ok" or the reason (quoted as a CSV field needs), and each key figure
// (empty where absent). Numbers as the batch CSV writes them (csvNumber).
std::string sweepCsvRow(const SweepRow& row, bool indexed);

// The progress of a sweep on `err`: "kinovar-batch: sweep: <done> of <total> values" with the
// time left once one value is done ("…, about 3 min left"), at every whole percent and at the
// end. On a terminal each report overwrites the last (carriage return) and the last ends the
// line; elsewhere each report is a line of its own.
SweepProgress sweepProgressReport(std::ostream& err, bool terminal);

// Runs the rows of `shard` of the sweep from `base` on `jobs` threads (0: every core) and
// streams them to `path` ("-": `out`) as the batch writes every output, in index order, the
// header first: only the rows in hand are held. The rows start with their index when the grid
// has more than one axis or `sharded`; a single unsharded sweep writes no index. A grid
// sweepGridFault refuses, or a failed write, is told on `err`, and `progress` (when set) hears
// of every row done. Returns the batch's exit status: done, or bad input.
int runBatchSweep(const SweepGrid& grid, const SweepShard& shard, bool sharded, int jobs,
                  const ParamSet& base, const std::string& path, std::ostream& out,
                  std::ostream& err, const SweepProgress& progress = {});
