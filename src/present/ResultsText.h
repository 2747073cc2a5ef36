// The results grid's text and the listing that "Обновить" makes from the result store.
// The grid keeps its cells' text compactly (a value row per quantity, up to 90000 step columns)
// plus the captions.
#pragma once
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calc/ResultStore.h"
#include "present/ResultsListing.h"

// Text of the results grid: 100 rows, a settable column count, cells addressed (column, row).
// Every cell starts empty; changing the column count never empties a cell.
class GridText {
public:
    static constexpr int kRows = 100;
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

// Called on the calling thread with step i = 1, 2, ..., N in order, once step i is done; may be
// empty.
using RefreshProgress = std::function<void(int step)>;

// The line end the listing uses in files.
inline constexpr std::string_view kCrLf = "\r\n";

// The refresh's work on the store, steps 1..N (N capped at the store's capacity), spread over
// `threads` threads, the calling one included (0: every core); the result does not depend on it.
// - grid: column count N + 1 (at least 1); cell (i, 0) = FormatFixed(R[0][i] * 180/pi, 4, 2),
//   cells (i, r) = FormatFixed(R[r][i], 4, 2) for r = 1 .. kValueRows - 1; no other cell is
//   touched;
// - listing: made anew for steps 1..N (see ResultsListing); it must be over grid.
// An exception (of progress, or out of memory) leaves grid and listing partly written.
void refreshResults(const ResultStore& R, int32_t N, char decimal, GridText& grid,
                    ResultsListing& listing, const RefreshProgress& progress = {},
                    unsigned threads = 0);

// refreshResults with the listing as one text: kListingHeader, two line ends, then per step the
// kListingRows fields FormatFixed(R[k][i], 4, 2), each followed by 5 spaces when R[k][i] >= 0
// and 4 when it is negative, and two line ends. lineEnd is CR LF for files; a memo may want "\n".
void fillResults(const ResultStore& R, int32_t N, char decimal, GridText& grid,
                 std::string& listing, const RefreshProgress& progress = {},
                 std::string_view lineEnd = kCrLf);

// Reads the caption file (see present/Captions.h), puts line k into cell (0, k), gives each
// catalogue quantity of a row from kReportRows on past the file's last line its default caption
// (rows between made empty), and returns the new caption count: one past the last row captioned.
// Throws InOutError, with no cell changed, when the file cannot be opened or read.
int32_t loadCaptions(const std::string& path, GridText& grid);
