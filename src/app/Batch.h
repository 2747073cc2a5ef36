// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch: one calculation without a window, for scripted studies. Parameters come from
// the defaults, params files and --set options; outputs are files or standard output.
#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "present/DocumentPlan.h"

inline constexpr int kBatchDone = 0;
inline constexpr int kBatchBadInput = 2;    // bad input or a failed output: no file replaced
inline constexpr int kBatchStageFailed = 3; // outputs written from the store as it stands

// Draws the printable document of a run as PDF bytes, for --pdf.
using BatchDocumentWriter = std::function<std::string(const DocumentInput&)>;

// Runs the command for its arguments (without the program name). Output "-" goes to `out`,
// messages to `err`. Returns the exit status. Without `pdf`, --pdf is refused as bad input.
// `errIsTerminal` says `err` is a terminal: a sweep then reports its progress there unasked,
// each report overwriting the last.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchDocumentWriter& pdf = {}, bool errIsTerminal = false);
