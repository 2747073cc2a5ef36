// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --optimise: the texts of --vary, --constraint and --max-evals, the history as
// CSV, and the search run from the parameters every other option set.
#pragma once
#include <iosfwd>
#include <optional>
#include <string>

#include "calc/Optimise.h"
#include "formats/ProjectFile.h"

// "KEY=LO:HI" (blanks around the parts allowed, numbers with the period). The key and the
// bounds are checked later, against the parameters (optimisePlanFault). Throws BatchBadInput.
OptimiseVariable parseVaryOption(const std::string& text);

// "FIGURE<=VALUE", "FIGURE>=VALUE", "FIGURE=VALUE" (within 1e-9 of max(1, |VALUE|)) or
// "FIGURE=VALUE:TOLERANCE". Throws BatchBadInput.
OptimiseConstraint parseConstraintOption(const std::string& text);

// A whole number of runs from 10 to 1000000. Throws BatchBadInput.
int parseMaxEvalsOption(const std::string& text);

// The history: the header "evaluation,phase," the variables' keys, the figure's key and
// "violation", then one row per run in the history's order: its number from 1, its phase, the
// values, the figure (empty where the run gave none) and the largest violation ("inf" for a run
// that failed). Numbers as --csv writes them; lines end in "\n".
std::string optimiseHistoryCsv(const OptimisePlan& plan, const OptimiseResult& result);

// What an optimisation writes, beside the plan.
struct BatchOptimiseOutputs {
    std::optional<std::string> project; // the best design, as --save-project writes a project
    std::optional<std::string> history; // the history CSV
    Project kept;                       // the variants, charts and comment the project keeps
};

// Runs the search from `base` and writes the outputs as the batch writes every output, telling
// on `err` the figure reached, the runs and the variables ("kinovar-batch: optimised: …").
// Returns the batch's exit status: done; bad input for a plan optimisePlanFault refuses or a
// failed write; stage failed, with the search's message and nothing written, when no design
// meets the constraints.
int runBatchOptimise(const OptimisePlan& plan, const ParamSet& base,
                     const BatchOptimiseOutputs& outputs, std::ostream& out, std::ostream& err);
