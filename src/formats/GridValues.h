// SPDX-License-Identifier: GPL-3.0-or-later
// The values a refresh put in the results grid, kept as numbers and made into text only when a
// cell, a listing line or a report column is asked for: formatting seven million cells up front
// costs several calculations, copying their values a fraction of one.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "calc/ResultStore.h"
#include "formats/GridText.h"
#include "formats/LineSource.h"
#include "formats/ResultsText.h"
#include "params/ParamSet.h"

// The grid's value rows 0 .. kGridValueRows - 1 of steps 1..steps(), copied from a store, and the
// separator they are shown with. A cell's text is what the refresh wrote into GridText for it
// (refreshResults in formats/ResultsText.h): FormatFixed(R[0][i] * 180/pi, 4, 2) for row 0,
// FormatFixed(R[r][i], 4, 2) for the others.
class GridValues {
public:
    static constexpr int kValueRows = GridText::kValueRows;

    // Copies steps 1..N (N capped to 0..kSteps) of rows 0 .. kValueRows - 1 of R, reusing the
    // room of an earlier copy when it is large enough; progress, when given, is called with
    // i = 1, 2, ..., N in order once step i is copied. An exception (of progress, or out of
    // memory) leaves no step held.
    void assign(const ResultStore& R, int32_t N, char decimal,
                const RefreshProgress& progress = {});
    // Forgets every value (steps() becomes 0).
    void forgetSteps() { steps_ = 0; }

    int steps() const { return steps_; }
    char decimal() const { return decimal_; }
    // Whether cell (column, row) holds a value: 1 <= column <= steps(), 0 <= row < kValueRows.
    bool holds(int column, int row) const
    {
        return column >= 1 && column <= steps_ && row >= 0 && row < kValueRows;
    }
    // R[row][step] as copied; the cell must be held.
    long double value(int row, int step) const
    {
        return values_[size_t(row) * size_t(steps_) + size_t(step - 1)];
    }
    // The text of cell (column, row); "" for a cell not held.
    std::string cell(int column, int row) const;

private:
    std::unique_ptr<long double[]> values_; // row-major: a row's steps are contiguous
    size_t room_ = 0;
    int steps_ = 0;
    char decimal_ = '.';
};

// The listing of the values, line for line and byte for byte the ResultsListing a refresh of the
// same store makes (both write through appendListingLine): the field of row k is
// FormatFixed(R[k][i], 4, 2), row 0 in radians. The values must outlive the listing and not
// change while it is read.
class ValuesListing final : public LineSource {
public:
    explicit ValuesListing(const GridValues& values) : values_(&values) {}
    size_t lineCount() const override { return listingLineCount(values_->steps()); }
    void appendLine(size_t i, std::string& out) const override;

private:
    const GridValues* values_;
};

// Writes the report of the values as writeReport(path, p, grid, decimal) writes it of the grid
// text a refresh of the same store makes: the header of p with `decimal`, then for columns
// c = 1..p.N the cells (c, 0) .. (c, kReportRows - 1), each ending in CR LF ("" for a cell the
// values do not hold). The cells are made on every core while the file is written; the bytes do
// not depend on the thread count. Throws as that writeReport does; a failed save leaves the file
// as it was.
//
// `body`, when given, is the body of ReportBody made for these values and p.N columns: the save
// then only writes it.
void writeReport(const std::string& path, const ParamSet& p, const GridValues& values, char decimal,
                 unsigned threads = 0, const std::vector<std::string>* body = nullptr);

// The body of a report of grid values (every column's cells, as writeReport makes them), made
// ahead on a thread of its own after a refresh, so that a save only writes: formatting seven
// million cells costs several times the writing.
class ReportBody {
public:
    ReportBody() = default;
    ReportBody(const ReportBody&) = delete;
    ReportBody& operator=(const ReportBody&) = delete;
    ~ReportBody() { stop(); }
    // Stops any earlier making, then makes the body of `columns` columns of `values` on a thread
    // of its own. The values must not change until stop() or the next start().
    void start(const GridValues& values, int columns);
    // Stops the making and forgets the body; to be called before the values change.
    void stop();
    // The body of `columns` columns of `values`, waiting until it is made; nullptr when the body
    // was not started for them (or was stopped).
    const std::vector<std::string>* wait(const GridValues& values, int columns);

private:
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    std::vector<std::string> chunks_;
    const GridValues* values_ = nullptr;
    int columns_ = -1;
};
