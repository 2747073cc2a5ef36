// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the results grid: its cells kept compactly (a value row per quantity, up to 90000
// step columns) plus the captions. The refresh writes it; the grid view, the listing and the
// report read it.
#pragma once
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "calc/Quantities.h"

// Text of the results grid: 100 rows, a settable column count, cells addressed (column, row).
// Every cell starts empty; changing the column count never empties a cell.
class GridText {
public:
    static constexpr int kRows = kStoreRows;
    static constexpr int kValueRows = kGridValueRows; // rows with values in the step columns
    static constexpr int kInitialColumns = 75;

    int columnCount() const { return columns_; }
    void setColumnCount(int count); // at least 1
    // Makes room for step columns 1..lastColumn at once, so a refresh allocates one block.
    void reserveColumns(int lastColumn);

    // "" for a cell never written. column >= 0, 0 <= row < kRows (std::out_of_range otherwise).
    // The view stays valid until the grid is next written.
    std::string_view cell(int column, int row) const;
    void setCell(int column, int row, std::string_view text);
    // setCell for the refresh's threads: writes a cell of rows 0 .. kValueRows - 1 in columns
    // 1..reserved columns in place when the text fits its slot and the cell is not held
    // elsewhere; otherwise changes nothing and returns false (the caller then uses setCell).
    // Calls for different cells may run at once on different threads.
    bool setCellInPlace(int column, int row, std::string_view text);

private:
    // A step cell of a value row lives in a fixed slot: a length byte then up to 11 bytes, which
    // holds every FormatFixed(x, 4, 2) text ("-1.235E4932" is the longest). Anything else
    // (longer texts, rows past the value rows) goes to the side table.
    static constexpr size_t kSlot = 12;
    static constexpr unsigned char kElsewhere = 0xFF;
    static uint64_t key(int column, int row)
    {
        return (uint64_t(uint32_t(column)) << 8) | uint32_t(row);
    }
    char* slot(int column, int row)
    {
        return slots_.get() + (size_t(column - 1) * kValueRows + size_t(row)) * kSlot;
    }
    struct FreeBytes {
        void operator()(char* p) const { std::free(p); }
    };

    int columns_ = kInitialColumns;
    int slotColumns_ = 0;
    std::unique_ptr<char[], FreeBytes> slots_; // from calloc, see reserveColumns
    std::array<std::string, kRows> captions_;  // column 0
    std::unordered_map<uint64_t, std::string> elsewhere_;
};
