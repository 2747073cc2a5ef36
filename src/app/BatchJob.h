// SPDX-License-Identifier: GPL-3.0-or-later
// What a kinovar-batch command line asks for, read from its arguments: the parameter actions in
// their phases, the outputs, the sweep, the search and the flags. The options' table lives in
// BatchArgs.cpp; Batch.cpp carries the job out.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BatchOptimise.h"
#include "app/BatchParams.h"
#include "app/BatchSweep.h"
#include "params/ParamSet.h"
#include "present/VariantTable.h"

inline constexpr const char* kBatchProgram = "kinovar-batch";

// ---- Options -----------------------------------------------------------------------------

// A change of the parameter set. After the defaults, actions apply by phase and, within a phase,
// in command-line order: a project first (it replaces the whole set), then every params file,
// then --set (options that set values from the command line, such as reading a report's header,
// belong with --set).
struct ParamAction {
    int phase;
    std::function<void(ParamSet&)> apply; // throws BadInput
};
constexpr int kProjectPhase = -1;
constexpr int kFilePhase = 0;
constexpr int kOptionPhase = 1;
constexpr int kLoadPhase = 2; // a load table is checked against the period finally set

// Everything the command line asks for.
struct BatchJob {
    std::vector<ParamAction> actions;
    std::optional<std::string> csv;
    std::optional<std::string> kinetic; // the animation file, as "Анимация" writes it
    std::optional<std::string> report; // as "Сохранить Отчёт" writes it right after "Обновить"
    std::optional<std::string> listing; // the memo text after "Обновить", lines ending CR LF
    std::optional<std::string> project; // the parameters after every option, as a project file
    std::optional<std::string> summary; // the run's summary as JSON
    std::optional<std::string> pdf;     // the printable document
    std::string projectName;            // the last --project's file name, for the document
    // The charts the document carries: the last project's choice, else all.
    std::shared_ptr<std::optional<std::vector<std::string>>> charts =
        std::make_shared<std::optional<std::vector<std::string>>>();
    // The last project's variants: kept by --save-project, compared in the document.
    std::shared_ptr<std::vector<Variant>> variants = std::make_shared<std::vector<Variant>>();
    // The last project's comment, kept by --save-project.
    std::shared_ptr<std::string> comment = std::make_shared<std::string>();
    // Separator of reports and listings, '\0' for the locale's.
    char separator = '\0';
    bool autofill = false;
    std::optional<long double> balance; // the fraction of --balance
    // A sweep of one key or more from the parameters every other option set, its rows to
    // --summary, or only the rows of a shard of it.
    SweepGrid sweep;
    std::optional<SweepShard> shard;
    bool sweepAutofill = false;
    int jobs = 0;          // threads of a sweep; 0 for every core
    bool progress = false; // a sweep's progress on standard error, wherever it goes
    // A search for the best design from the parameters every other option set.
    bool optimise = false;
    OptimisePlan optimisePlan;
    std::optional<std::string> history; // its history as CSV
    bool help = false;
    bool version = false;
    // Notes the parameter actions leave for standard error (keys a project held that were
    // ignored); shared, so that every copy of the job sees the same list.
    std::shared_ptr<std::vector<std::string>> notes = std::make_shared<std::vector<std::string>>();
};

// The separator of reports and listings: the option's, else the locale's when it is one the
// readers take ('.' otherwise).
char reportSeparator(char chosen);

// The job the arguments (without the program name) ask for; throws BatchBadInput, with the
// reason, for arguments it cannot take.
BatchJob parseBatchArgs(const std::vector<std::string>& args);

// The usage text of --help, its key list drawn from the parameter table.
std::string batchUsage();
