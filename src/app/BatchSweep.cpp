// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchSweep.h"

#include <chrono>
#include <memory>
#include <ostream>

#include "app/Batch.h"
#include "app/BatchOutputs.h"
#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "calc/KeyFigures.h"
#include "formats/ResultCsv.h"
#include "formats/SpreadsheetCsv.h"

namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

SweepPlan parseSweepOption(const std::string& text)
{
    const auto fail = [&](const std::string& why) {
        return SweepOptionError{"--sweep " + quoteText(text) + ": " + why};
    };
    const auto eq = text.find('=');
    if (eq == std::string::npos) throw fail("expected KEY=FROM:TO:COUNT");
    std::vector<std::string> parts;
    for (size_t at = eq + 1;;) {
        const auto colon = text.find(':', at);
        parts.push_back(trimmed(text.substr(at, colon - at)));
        if (colon == std::string::npos) break;
        at = colon + 1;
    }
    if (parts.size() != 3) throw fail("expected KEY=FROM:TO:COUNT");
    SweepPlan plan;
    plan.key = trimmed(text.substr(0, eq));
    try {
        plan.from = ParseReal(parts[0], '.');
        plan.to = ParseReal(parts[1], '.');
        plan.count = ParseInteger(parts[2]);
    } catch (const ConvertError& e) {
        throw fail(e.what());
    }
    return plan;
}

int parseJobsOption(const std::string& text)
{
    int jobs = 0;
    try {
        jobs = ParseInteger(text);
    } catch (const ConvertError& e) {
        throw SweepOptionError{"--jobs: " + std::string(e.what())};
    }
    if (jobs < 1 || jobs > 1024)
        throw SweepOptionError{"--jobs '" + quoteText(text) + "': expected 1 to 1024"};
    return jobs;
}

SweepShard parseShardOption(const std::string& text)
{
    const auto fail = [&]() {
        return SweepOptionError{"--shard " + quoteText(text) +
                                ": expected K/N, 0 <= K < N <= " + std::to_string(kMaxSweepRows)};
    };
    const auto slash = text.find('/');
    if (slash == std::string::npos) throw fail();
    SweepShard shard;
    try {
        shard.part = ParseInteger(trimmed(text.substr(0, slash)));
        shard.parts = ParseInteger(trimmed(text.substr(slash + 1)));
    } catch (const ConvertError&) {
        throw fail();
    }
    if (shard.part < 0 || shard.parts > kMaxSweepRows || shard.part >= shard.parts) throw fail();
    return shard;
}

std::string sweepCsvHeader(const SweepGrid& grid, bool indexed)
{
    std::string text = indexed ? "index," : "";
    for (const SweepPlan& axis : grid.axes)
        text += axis.key + ",";
    text += "status";
    for (const KeyFigure& figure : keyFigures())
        text += std::string(",") + figure.key;
    return text + '\n';
}

std::string sweepCsvRow(const SweepRow& row, bool indexed)
{
    std::string text = indexed ? std::to_string(row.index) + "," : "";
    for (const long double value : row.values)
        text += csvNumber(value) + ",";
    const SweepPoint& point = row.point;
    text += point.ok ? std::string("ok") : spreadsheetField(point.reason, ',');
    for (size_t at = 0; at < keyFigures().size(); ++at) {
        text += ',';
        if (at < point.figures.size() && point.figures[at]) text += csvNumber(*point.figures[at]);
    }
    return text + '\n';
}

SweepProgress sweepProgressReport(std::ostream& err, bool terminal)
{
    const auto start = std::chrono::steady_clock::now();
    auto shown = std::make_shared<int>(-1); // the last whole percent reported
    return [&err, terminal, start, shown](int done, int total) {
        // Calls come one at a time (the sweep holds its lock around them).
        const int percent = total > 0 ? static_cast<int>(100LL * done / total) : 100;
        if (percent == *shown && done != total) return;
        *shown = percent;
        std::string text = "kinovar-batch: sweep: " + std::to_string(done) + " of " +
                           std::to_string(total) + " values";
        if (done > 0 && done < total) {
            const double elapsed =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const auto left = static_cast<long long>(elapsed * (total - done) / done + 0.5);
            text += left >= 120 ? ", about " + std::to_string((left + 30) / 60) + " min left"
                                : ", about " + std::to_string(left) + " s left";
        }
        if (terminal)
            // The line is cleared to its end, as a shorter report follows a longer one.
            err << '\r' << text << "\x1b[K" << (done == total ? "\n" : "") << std::flush;
        else
            err << text << '\n' << std::flush;
    };
}

int runBatchSweep(const SweepGrid& grid, const SweepShard& shard, bool sharded, int jobs,
                  const ParamSet& base, const std::string& path, std::ostream& out,
                  std::ostream& err, const SweepProgress& progress)
{
    if (const std::string fault = sweepGridFault(base, grid); !fault.empty()) {
        err << "kinovar-batch: --sweep: " << fault << '\n';
        return kBatchBadInput;
    }
    // A single sweep keeps the rows it always wrote; a grid or a shard needs the index to be
    // merged back in order.
    const bool indexed = grid.axes.size() > 1 || sharded;
    const std::atomic<bool> never{false};
    const auto write = [&](TextWriter& w) {
        w.writeRaw(sweepCsvHeader(grid, indexed));
        runSweepGrid(
            base, grid, shard, jobs, never,
            [&w, indexed](const SweepRow& row) { w.writeRaw(sweepCsvRow(row, indexed)); },
            progress);
    };
    try {
        writeBatchOutputs({{"--summary", path, write}}, out);
    } catch (const BatchOutputFailure& e) {
        err << "kinovar-batch: " << e.message << '\n';
        return kBatchBadInput;
    }
    return kBatchDone;
}
