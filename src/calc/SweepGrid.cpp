// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/SweepGrid.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "base/UiText.h"
#include "params/ParamTable.h"

long long sweepGridRows(const SweepGrid& grid)
{
    if (grid.axes.empty()) return 0;
    long long rows = 1;
    for (const SweepPlan& axis : grid.axes) {
        if (axis.count < 1) return 0;
        // Both factors stay below 2^31, so the product cannot overflow before it is capped.
        rows = std::min(rows * axis.count, kMaxSweepRows + 1);
    }
    return rows;
}

std::string sweepGridFault(const ParamSet& base, const SweepGrid& grid)
{
    if (grid.axes.empty()) return uiText("Sweep", "не задан ни один параметр");
    for (size_t k = 0; k < grid.axes.size(); ++k) {
        SweepPlan axis = grid.axes[k];
        axis.decimal = grid.decimal;
        if (std::string fault = sweepPlanFault(base, axis); !fault.empty()) return fault;
        for (size_t j = 0; j < k; ++j)
            if (grid.axes[j].key == axis.key)
                return fillIn(uiText("Sweep", "'%1' исследуется дважды"), {axis.key});
    }
    if (sweepGridRows(grid) > kMaxSweepRows)
        return fillIn(uiText("Sweep", "строк больше %1 (произведение чисел значений)"),
                      {std::to_string(kMaxSweepRows)});
    return {};
}

std::vector<int> sweepGridCell(const SweepGrid& grid, long long row)
{
    std::vector<int> cell(grid.axes.size());
    for (size_t k = grid.axes.size(); k-- > 0;) {
        const long long count = grid.axes[k].count;
        cell[k] = static_cast<int>(row % count);
        row /= count;
    }
    return cell;
}

long long sweepShardRows(long long rows, const SweepShard& shard)
{
    if (shard.parts < 1 || shard.part < 0 || shard.part >= rows) return 0;
    return (rows - shard.part + shard.parts - 1) / shard.parts;
}

std::optional<ParamSet> sweepGridVariant(const ParamSet& base, const SweepGrid& grid, long long row,
                                         std::string* fault, std::vector<long double>* values)
{
    const std::vector<int> cell = sweepGridCell(grid, row);
    std::optional<ParamSet> p = base;
    for (size_t k = 0; k < grid.axes.size(); ++k) {
        SweepPlan axis = grid.axes[k];
        axis.decimal = grid.decimal;
        // The points are placed once, after the last value: they depend on all of them.
        axis.autofill = grid.autofill && k + 1 == grid.axes.size();
        const long double value = sweepValueAt(axis, cell[k]);
        if (values) values->push_back(value);
        if (p) p = sweepVariant(*p, axis, value, fault);
    }
    return p;
}

SweepRow evaluateSweepRow(const ParamSet& base, const SweepGrid& grid, long long row,
                          ResultStore& store, ResultStore& scratch)
{
    SweepRow out;
    out.index = row;
    std::string fault;
    if (const std::optional<ParamSet> p = sweepGridVariant(base, grid, row, &fault, &out.values)) {
        out.point = evaluateSweptParams(*p, grid.decimal, store, scratch);
        // As the variant holds them: rounded as stored, and placed anew by the autofill for a
        // point's coordinate.
        for (size_t k = 0; k < grid.axes.size(); ++k)
            if (const ParamInfo* info = findParam(grid.axes[k].key))
                out.values[k] = paramValue(*p, *info);
    } else {
        out.point.reason = fault;
    }
    out.point.value = out.values.front();
    return out;
}

bool runSweepGrid(const ParamSet& base, const SweepGrid& grid, const SweepShard& shard, int jobs,
                  const std::atomic<bool>& cancel, const SweepRowSink& sink,
                  const SweepProgress& progress)
{
    const long long total = sweepShardRows(sweepGridRows(grid), shard);
    if (jobs <= 0) jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    jobs = static_cast<int>(std::max(1LL, std::min<long long>(jobs, total)));
    // Rows finish out of order; those ahead of the first one missing wait here, and no thread
    // takes a row beyond the window, so memory stays flat whatever the number of rows.
    const long long window = static_cast<long long>(kSweepWindowPerJob) * jobs;
    std::vector<std::optional<SweepRow>> waiting(static_cast<size_t>(window));
    std::mutex lock; // the counters, the window, the sink and progress calls
    std::condition_variable room;
    long long next = 0, delivered = 0;
    int done = 0;
    bool stop = false; // a worker or the sink failed
    std::exception_ptr failure;
    const auto slot = [&](long long t) -> std::optional<SweepRow>& {
        return waiting[static_cast<size_t>(t % window)];
    };
    // Keeps the first failure and stops every worker; called with the lock held.
    const auto fail = [&] {
        if (!failure) failure = std::current_exception();
        stop = true;
        room.notify_all();
    };
    const auto work = [&] {
        try {
            const auto store = std::make_unique<ResultStore>();
            const auto scratch = std::make_unique<ResultStore>(); // the figures' period runs
            for (;;) {
                long long t = 0;
                {
                    std::unique_lock guard(lock);
                    // A worker waits only while another holds the first missing row; its
                    // delivery wakes the waiters, cancelled or not.
                    room.wait(guard, [&] { return stop || cancel || next - delivered < window; });
                    if (stop || cancel || next >= total) return;
                    t = next++;
                }
                SweepRow row =
                    evaluateSweepRow(base, grid, shard.part + t * shard.parts, *store, *scratch);
                const std::lock_guard guard(lock);
                slot(t) = std::move(row);
                ++done;
                room.notify_all();
                // A failure of the sink or of the progress is one of this worker's own, kept
                // before the lock is let go: no other worker calls either once it is known.
                try {
                    if (progress) progress(done, static_cast<int>(total));
                    for (; !stop && delivered < total && slot(delivered); ++delivered) {
                        sink(*slot(delivered));
                        slot(delivered).reset();
                    }
                } catch (...) {
                    fail();
                    return;
                }
            }
        } catch (...) {
            const std::lock_guard guard(lock);
            fail();
        }
    };
    std::vector<std::thread> workers;
    try {
        for (int t = 1; t < jobs; ++t)
            workers.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads to be had: the ones started share the work.
    }
    work(); // the calling thread is one of the workers
    for (std::thread& worker : workers)
        worker.join();
    if (failure) std::rethrow_exception(failure);
    return !cancel.load();
}
