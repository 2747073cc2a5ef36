// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ResultsText.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "base/NumberText.h"
#include "formats/Captions.h"
#include "formats/OrderedChunks.h"
#include "params/ParamSet.h"

namespace {

// Steps often repeat a row's value (constant rows, rows never written), so each row keeps the
// text of its last value and renders again only when the value changes.
class RowTexts {
public:
    explicit RowTexts(char decimal) : decimal_(decimal) {}
    std::string_view text(int row, long double v)
    {
        Entry& e = entries_[size_t(row)];
        if (!e.valid || !(v == e.value)) {
            // -0 and +0 compare equal and render alike; no stored value is NaN.
            e.text = FormatFixed(v, 4, 2, decimal_);
            e.value = v;
            e.valid = true;
        }
        return e.text;
    }

private:
    struct Entry {
        long double value = 0;
        bool valid = false;
        std::string text;
    };
    char decimal_;
    std::array<Entry, GridText::kValueRows> entries_;
};

// Steps per chunk of work: small enough for the progress to move often, large enough that
// handing out chunks costs nothing.
constexpr int kChunkSteps = 256;

// The listing field of each grid value row, or -1 for a row the listing does not carry.
constexpr auto kListingFieldOfRow = [] {
    std::array<int, GridText::kValueRows> fields{};
    for (int k = 0; k < GridText::kValueRows; ++k)
        fields[size_t(k)] = listingField(k);
    return fields;
}();
static_assert(kListingFieldOfRow[0] >= 0, "the listing carries the crank angle, in radians");

struct DeferredCell {
    int column;
    int row;
    std::string text;
};

} // namespace

void refreshResults(const ResultStore& R, int32_t N, char decimal, GridText& grid,
                    ResultsListing& listing, const RefreshProgress& progress, unsigned threads)
{
    const int steps = std::clamp<int32_t>(N, 0, ResultStore::kSteps);
    grid.setColumnCount(steps + 1);
    grid.reserveColumns(steps);
    listing.setStepCount(steps);

    const size_t chunks = (size_t(steps) + kChunkSteps - 1) / kChunkSteps;
    // Cells that do not fit in place wait for the calling thread, chunk by chunk.
    std::vector<std::vector<DeferredCell>> deferred(chunks);
    auto work = [&](size_t chunk) {
        const int first = int(chunk) * kChunkSteps + 1;
        const int last = std::min(steps, first + kChunkSteps - 1);
        // Row by row: a row of the store is contiguous over the steps, a step is not.
        std::array<ResultsListing::Signs, kChunkSteps> negative;
        RowTexts texts(decimal);
        for (int k = 1; k < GridText::kValueRows; ++k) {
            const long double* row = R.row(k);
            for (int i = first; i <= last; ++i) {
                const long double v = row[i];
                const std::string_view t = texts.text(k, v);
                if (const int f = kListingFieldOfRow[size_t(k)]; f >= 0)
                    negative[size_t(i - first)][size_t(f)] = v < 0;
                if (!grid.setCellInPlace(i, k, t))
                    deferred[chunk].push_back({i, k, std::string(t)});
            }
        }
        const long double* angles = R.row(0);
        for (int i = first; i <= last; ++i) {
            const long double v = angles[i];
            negative[size_t(i - first)][size_t(kListingFieldOfRow[0])] = v < 0;
            listing.setStep(i, texts.text(0, v), negative[size_t(i - first)]);
            const std::string angle = FormatFixed(v * kDegPerRad, 4, 2, decimal);
            if (!grid.setCellInPlace(i, 0, angle)) deferred[chunk].push_back({i, 0, angle});
        }
    };
    auto completed = [&](size_t chunk) {
        for (const DeferredCell& c : deferred[chunk])
            grid.setCell(c.column, c.row, c.text);
        deferred[chunk] = {};
        if (!progress) return;
        const int first = int(chunk) * kChunkSteps + 1;
        const int last = std::min(steps, first + kChunkSteps - 1);
        for (int i = first; i <= last; ++i)
            progress(i);
    };
    runOrderedChunks(chunks, threads, work, completed);
}

void fillResults(const ResultStore& R, int32_t N, char decimal, GridText& grid,
                 std::string& listing, const RefreshProgress& progress, std::string_view lineEnd)
{
    ResultsListing lines(grid);
    refreshResults(R, N, decimal, grid, lines, progress);
    listing.clear();
    // About 10 bytes a field; one reservation keeps the appends from copying tens of megabytes.
    listing.reserve(kListingHeader.size() + 2 * lineEnd.size() +
                    size_t(lines.steps()) * (ResultsListing::kFields * 10 + 2 * lineEnd.size()));
    appendLines(lines, 0, lines.lineCount(), lineEnd, listing);
}

int32_t loadCaptions(const std::string& path, GridText& grid)
{
    const std::vector<std::string> lines = readCaptions(path);
    for (size_t k = 0; k < lines.size(); ++k)
        grid.setCell(0, int(k) + 1, lines[k]);
    // A quantity added after the report's rows, past the file's last line, still gets a caption,
    // the catalogue's own, so that an older caption file does not hide it. The report's rows keep
    // exactly what the file gives them, and a shorter file leaves the rest of them as they were.
    int32_t count = static_cast<int32_t>(lines.size()) + 1;
    for (const QuantityInfo& q : kQuantities) {
        const int row = rowOf(q.id);
        if (row < kReportRows || row < count || row >= GridText::kRows) continue;
        for (int k = std::max(count, kReportRows); k < row; ++k)
            grid.setCell(0, k, "");
        grid.setCell(0, row, defaultCaption(q));
        count = row + 1;
    }
    return count;
}
