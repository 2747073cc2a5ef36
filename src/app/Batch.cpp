// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Batch.h"
#include "app/BatchJob.h"
#include "app/BatchOutputs.h"
#include "app/BatchSynthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "app/BatchMotion.h"
#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "base/LicenceNotice.h"
#include "base/LocaleSeparator.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"
#include "calc/Balancing.h"
#include "calc/Calculation.h"
#include "calc/Load.h"
#include "calc/RodReach.h"
#include "formats/Kinetic.h"
#include "formats/LoadCsv.h"
#include "formats/ProjectFile.h"
#include "formats/Report.h"
#include "formats/ResultCsv.h"
#include "formats/ResultsText.h"
#include "formats/SummaryJson.h"
#include "params/Autofill.h"
#include "params/LoadTable.h"
#include "params/ParamSet.h"
#include "params/ParamTable.h"
#include "params/PointCheck.h"
#include "params/RunSettings.h"
#include "present/VariantTable.h"

namespace {

constexpr const char* kProgram = kBatchProgram;
using BadInput = BatchBadInput;

void applyParams(const BatchJob& job, ParamSet& p)
{
    std::vector<const ParamAction*> order;
    for (const ParamAction& a : job.actions)
        order.push_back(&a);
    std::stable_sort(order.begin(), order.end(), [](const ParamAction* x, const ParamAction* y) {
        return x->phase < y->phase;
    });
    for (const ParamAction* a : order)
        a->apply(p);
    // A project's table was checked against the project's period; a later --set or params file
    // may have changed the period, and a table outside it would be saved unreadable.
    if (const auto fault = checkLoadTable(p.load, p.period))
        throw BadInput{"the load table does not suit period " + std::to_string(p.period) +
                       ": point " + std::to_string(fault->point + 1) + ": " + fault->why};
}

// ---- Outputs -----------------------------------------------------------------------------

// The document's date, as the Russian title block writes it: "07.12.2026".
std::string todayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

// The listing in pieces: the whole text of the largest run would be tens of megabytes.
void writeListing(TextWriter& w, const ResultsListing& listing)
{
    constexpr size_t kLinesAPiece = 4096;
    std::string piece;
    for (size_t first = 0; first < listing.lineCount(); first += kLinesAPiece) {
        piece.clear();
        appendLines(listing, first, std::min(listing.lineCount(), first + kLinesAPiece), kCrLf,
                    piece);
        w.writeRaw(piece);
    }
}

// Writes every output so that a failure replaces no file (app/BatchOutputs). p is the set the
// results were computed with; the results' outputs read only the steps computed (computedRun).
void writeOutputs(const BatchJob& job, const ParamSet& p, const ResultStore& R, std::ostream& out,
                  const BatchDocumentWriter& pdf)
{
    // The animation file, the report and the listing carry the chosen separator, as the window
    // writes them with the locale's; the CSV always takes the period.
    const char decimal = reportSeparator(job.separator);
    const ParamSet run = computedRun(R).value_or(p);
    GridText grid;
    ResultsListing listing(grid);
    if (job.report || job.listing) refreshResults(R, run.N, decimal, grid, listing);
    const struct {
        const char* option;
        const std::optional<std::string>& path;
        std::function<void(TextWriter&)> write;
    } wanted[] = {
        {"--csv", job.csv, [&](TextWriter& w) { writeResultCsv(R, run.N, w); }},
        {"--kinetic", job.kinetic, [&](TextWriter& w) { writeKinetic(w, run, R, decimal); }},
        {"--report", job.report, [&](TextWriter& w) { writeReport(w, run, grid, decimal); }},
        {"--listing", job.listing, [&](TextWriter& w) { writeListing(w, listing); }},
        {"--save-project", job.project,
         [&](TextWriter& w) {
             writeProject(w, Project{p, *job.variants, *job.charts, *job.comment});
         }},
        {"--summary", job.summary,
         [&](TextWriter& w) {
             w.writeRaw(
                 summaryJson(summarizeRun(R, run, run.N, summaryOptions(p, p.delta)), runStop(R)));
         }},
        {"--pdf", job.pdf,
         [&](TextWriter& w) {
             DocumentInput in;
             in.run = &p;
             in.store = &R;
             in.projectName = job.projectName;
             in.date = todayText();
             in.decimal = decimal;
             in.delta = p.delta;
             in.charts = *job.charts;
             in.variants = variantTable(*job.variants, std::nullopt, decimal);
             w.writeRaw(pdf(in));
         }},
    };
    std::vector<BatchOutput> outputs;
    for (const auto& o : wanted)
        if (o.path) outputs.push_back({o.option, *o.path, o.write});
    try {
        writeBatchOutputs(outputs, out);
    } catch (const BatchOutputFailure& e) {
        throw BadInput{e.message};
    }
}

} // namespace

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchDocumentWriter& pdf, bool errIsTerminal)
{
    BatchJob job;
    ParamSet p;
    try {
        job = parseBatchArgs(args);
        if (job.help) {
            out << batchUsage();
            return kBatchDone;
        }
        if (job.version) {
            out << kProgram << ' ' << kKinovarVersion << '\n' << kLicenceNotice;
            return kBatchDone;
        }
        if (job.pdf && !pdf) throw BadInput{"--pdf: this build does not draw documents"};
        setDefaults(p);
        applyParams(job, p);
        if (!loadFitsMechanism(p))
            throw BadInput{"--load: a load by the slider's position needs a crank that turns "
                           "fully (l1 > 0 and |b| <= l2 - l1)"};
        for (const std::string& note : *job.notes)
            err << kProgram << ": " << note << '\n';
    } catch (const BadInput& e) {
        err << kProgram << ": " << e.message << '\n';
        return kBatchBadInput;
    }

    // A mechanism the autofill cannot place is not calculated at all.
    if (job.autofill && !autofillPoints(p)) {
        err << autofillFaultText(p) << '\n';
        return kBatchStageFailed;
    }
    if (job.balance) {
        const std::optional<CounterweightChoice> choice = chooseCounterweight(p, *job.balance);
        if (!choice) {
            err << kProgram
                << ": --balance: the crank pin A lies on O: place the points (--autofill)\n";
            return kBatchBadInput;
        }
        p = withCounterweight(p, *choice);
    }
    if (job.optimise)
        return runBatchOptimise(
            job.optimisePlan, p,
            {job.project, job.history, Project{p, *job.variants, *job.charts, *job.comment}}, out,
            err);
    if (!job.sweep.axes.empty()) {
        const bool report = job.progress || errIsTerminal;
        return runBatchSweep(job.sweep, job.shard.value_or(SweepShard{}), job.shard.has_value(),
                             job.jobs, p, *job.summary, out, err,
                             report ? sweepProgressReport(err, errIsTerminal) : SweepProgress{});
    }

    // Warnings, not refusals: the run goes ahead as the window's does after its boxes.
    const char decimal = reportSeparator(job.separator);
    if (const std::string points = pointMismatchText(checkPoints(p), decimal); !points.empty())
        err << kProgram << ": " << points << '\n';
    if (const auto jump = checkBranchJump(p))
        err << kProgram << ": " << branchJumpText(*jump, decimal) << '\n';

    const auto R = std::make_unique<ResultStore>();
    const CalcOutcome outcome = runCalculation(p, *R);
    const std::vector<StageFault> faults = stageFaults(outcome);
    // The angle is written as the reports and listings of this run write numbers.
    for (const StageFault& fault : faults)
        err << stageFaultText(fault.message, p, fault.step, reportSeparator(job.separator)) << '\n';
    const bool failed = !faults.empty();
    if (const std::string stop = runStopText(*R, reportSeparator(job.separator)); !stop.empty())
        err << kProgram << ": " << stop << '\n';

    // The report's layout has no place for the load: a project keeps it.
    if (job.report && p.load.active())
        err << kProgram
            << ": the report does not hold the working load; it is kept only in the "
               "project\n";

    try {
        // The outputs carry the parameters the results were computed with, as the window's do.
        writeOutputs(job, *R->computedWith(), *R, out, pdf);
    } catch (const BadInput& e) {
        err << kProgram << ": " << e.message << '\n';
        return kBatchBadInput;
    }
    return failed ? kBatchStageFailed : kBatchDone;
}
