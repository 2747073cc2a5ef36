// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --sweep: the option's text, and the sweep's rows as CSV for scripts.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "calc/Sweep.h"

// A value of --sweep or --jobs that cannot be taken; the message says why.
struct SweepOptionError {
    std::string message;
};

// "KEY=FROM:TO:COUNT" (blanks around the parts allowed; numbers with the period as decimal
// separator, COUNT a whole number) as a plan with the period in its reasons. The key and the
// count are checked later, against the parameters (sweepPlanFault). Throws SweepOptionError.
SweepPlan parseSweepOption(const std::string& text);

// A thread count: a whole number from 1 to 1024. Throws SweepOptionError.
int parseJobsOption(const std::string& text);

// The rows of a sweep: the header "KEY,status," and every key figure's key, then per variant
// its value, "ok" or the reason (quoted as a CSV field needs), and each key figure (empty where
// absent). Numbers as the batch CSV writes them (csvNumber); lines end in "\n".
std::string sweepCsv(const std::string& key, const std::vector<SweepPoint>& points);

// The progress of a sweep on `err`: "kinovar-batch: sweep: <done> of <total> values" with the
// time left once one value is done ("…, about 3 min left"), at every whole percent and at the
// end. On a terminal each report overwrites the last (carriage return) and the last ends the
// line; elsewhere each report is a line of its own.
SweepProgress sweepProgressReport(std::ostream& err, bool terminal);

// Runs the sweep from `base` on `jobs` threads (0: every core) and writes its rows to `path`
// ("-": `out`) as the batch writes every output; a plan sweepPlanFault refuses, or a failed
// write, is told on `err`, and `progress` (when set) hears of every value done. Returns the
// batch's exit status: done, or bad input.
int runBatchSweep(const SweepPlan& plan, int jobs, const ParamSet& base, const std::string& path,
                  std::ostream& out, std::ostream& err, const SweepProgress& progress = {});
