// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/GridValues.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "base/NumberText.h"
#include "base/TextFile.h"
#include "formats/ListingLine.h"
#include "formats/OrderedChunks.h"
#include "formats/Report.h"

namespace {

// Steps copied between two reports of progress.
constexpr int kCopyChunkSteps = 256;

// Report columns per chunk of work: enough to keep a thread busy between hand-overs, few enough
// that the chunks waiting for the writer hold little memory.
constexpr int kReportChunkColumns = 512;

// A row's value often repeats over the steps (constant rows, rows never written): the text of the
// last value is kept and made again only when the value changes.
struct RowText {
    long double value = 0;
    bool valid = false;
    std::string text;
};

std::string cellText(long double v, int row, char decimal)
{
    return FormatFixed(row == 0 ? v * kDegPerRad : v, 4, 2, decimal);
}

} // namespace

void GridValues::assign(const ResultStore& R, int32_t N, char decimal,
                        const RefreshProgress& progress)
{
    const int steps = std::clamp<int32_t>(N, 0, ResultStore::kSteps);
    const size_t need = size_t(steps) * kValueRows;
    steps_ = 0; // nothing is held while the copy is under way
    if (need > room_) {
        values_.reset(); // the old block goes before the new one comes
        room_ = 0;
        values_.reset(new long double[need]);
        room_ = need;
    }
    // A block of steps at a time, row by row, on every core: the first copy into a new block
    // mostly waits on the system's first touch of its pages, which the cores share out. The
    // progress follows the blocks in order on the calling thread.
    const size_t chunks = (size_t(steps) + kCopyChunkSteps - 1) / kCopyChunkSteps;
    long double* const to = values_.get();
    auto copy = [&](size_t chunk) {
        const int first = int(chunk) * kCopyChunkSteps + 1;
        const int count = std::min(kCopyChunkSteps, steps - first + 1);
        for (int k = 0; k < kValueRows; ++k)
            std::memcpy(to + size_t(k) * size_t(steps) + size_t(first - 1), R.row(k) + first,
                        size_t(count) * sizeof(long double));
    };
    auto copied = [&](size_t chunk) {
        if (!progress) return;
        const int first = int(chunk) * kCopyChunkSteps + 1;
        const int last = std::min(steps, first + kCopyChunkSteps - 1);
        for (int i = first; i <= last; ++i)
            progress(i);
    };
    runOrderedChunks(chunks, 0, copy, copied);
    steps_ = steps;
    decimal_ = decimal;
}

std::string GridValues::cell(int column, int row) const
{
    if (!holds(column, row)) return {};
    return cellText(value(row, column), row, decimal_);
}

void ValuesListing::appendLine(size_t i, std::string& out) const
{
    appendListingLine(i, values_->steps(), out, [this](int step, int f, std::string& to) {
        const long double v = values_->value(rowOf(kListingLayout[size_t(f)]), step);
        to += FormatFixed(v, 4, 2, values_->decimal()); // row 0 in radians here
        return v < 0;
    });
}

namespace {

size_t reportChunks(int columns)
{
    return (size_t(std::max(columns, 0)) + kReportChunkColumns - 1) / kReportChunkColumns;
}

// Columns chunk·512 + 1 .. of the report, each cell with its CR LF.
std::string reportChunk(const GridValues& values, size_t chunk, int columns)
{
    const int first = int(chunk) * kReportChunkColumns + 1;
    const int last = std::min(columns, first + kReportChunkColumns - 1);
    std::string text;
    text.reserve(size_t(last - first + 1) * kReportRows * 12);
    std::array<RowText, kReportRows> rows;
    for (int c = first; c <= last; ++c) {
        for (size_t line = 0; line < kReportLayout.size(); ++line) {
            const int r = rowOf(kReportLayout[line]);
            if (values.holds(c, r)) {
                RowText& t = rows[line];
                const long double v = values.value(r, c);
                // -0 and +0 compare equal and render alike; no stored value is NaN.
                if (!t.valid || !(v == t.value)) {
                    t.text = cellText(v, r, values.decimal());
                    t.value = v;
                    t.valid = true;
                }
                text += t.text;
            }
            text += "\r\n";
        }
    }
    return text;
}

} // namespace

void writeReport(const std::string& path, const ParamSet& p, const GridValues& values, char decimal,
                 unsigned threads, const std::vector<std::string>* body)
{
    TextWriter out(path);
    writeReportHeader(out, p, decimal);
    const int columns = std::max(p.N, 0);
    const size_t chunks = reportChunks(columns);
    if (body && body->size() == chunks) {
        for (const std::string& text : *body)
            out.writeRaw(text);
        out.save();
        return;
    }
    std::vector<std::string> texts(chunks);
    auto work = [&](size_t chunk) { texts[chunk] = reportChunk(values, chunk, columns); };
    auto completed = [&](size_t chunk) {
        out.writeRaw(texts[chunk]);
        texts[chunk] = std::string();
    };
    runOrderedChunks(chunks, threads, work, completed);
    out.save();
}

void ReportBody::start(const GridValues& values, int columns)
{
    stop();
    values_ = &values;
    columns_ = std::max(columns, 0);
    chunks_.assign(reportChunks(columns_), std::string());
    cancel_ = false;
    thread_ = std::thread([this] {
        for (size_t k = 0; k < chunks_.size() && !cancel_; ++k)
            chunks_[k] = reportChunk(*values_, k, columns_);
    });
}

void ReportBody::stop()
{
    cancel_ = true;
    if (thread_.joinable()) thread_.join();
    chunks_.clear();
    values_ = nullptr;
    columns_ = -1;
}

const std::vector<std::string>* ReportBody::wait(const GridValues& values, int columns)
{
    if (values_ != &values || columns_ != std::max(columns, 0)) return nullptr;
    if (thread_.joinable()) thread_.join();
    return &chunks_;
}
