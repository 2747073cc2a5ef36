// SPDX-License-Identifier: GPL-3.0-or-later
// The listing "Обновить" shows, as lines made on demand from the grid text and a few bytes a step,
// instead of one text of tens of megabytes.
#pragma once
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Quantities.h"
#include "formats/LineSource.h"

class GridText;

// The listing's first line.
inline constexpr std::string_view kListingHeader = "Таблица значений обновлена...";

// Lines: 0 is kListingHeader, 1 is empty, then for each step i = 1..steps the line of its fields
// (line 2i) and an empty line (2i + 1), and a last empty line (2 + 2 * steps): joined by CR LF
// this is the listing file, joined by '\n' the memo text.
// A step's line is, for k = 0 .. kListingRows - 1, the text of R[k][i] followed by five spaces, or
// four when the value was negative. The texts of k >= 1 are the grid's cells (i, k), read when the
// line is asked for; k = 0 (radians, while the grid shows degrees) and the signs are kept here.
class ResultsListing final : public LineSource {
public:
    static constexpr int kFields = kListingRows;
    using Signs = std::bitset<kFields>; // bit k set: R[k][i] < 0

    // An empty listing (no step) over grid, which must outlive it.
    explicit ResultsListing(const GridText& grid) : grid_(&grid) {}

    int steps() const { return static_cast<int>(steps_.size()); }
    // Bytes the listing holds of its own (the grid's cells aside).
    size_t heldBytes() const { return sizeof *this + steps_.capacity() * sizeof(Step); }
    // Makes room for steps 1..count, each with an empty field 0 and no sign set.
    void setStepCount(int count);
    // Sets step i's field 0 and signs. Calls for different steps may run at once on different
    // threads. Throws std::out_of_range for a step outside 1..steps(), std::length_error for a
    // text of more than 11 bytes (longer than any FormatFixed(x, 4, 2)).
    void setStep(int i, std::string_view field0, const Signs& negative);

    size_t lineCount() const override { return 3 + 2 * steps_.size(); }
    // Step lines read the grid cells as they are now: a refresh rewrites grid and listing together.
    void appendLine(size_t i, std::string& out) const override;

private:
    struct Step {
        Signs negative;
        unsigned char length = 0;
        char field0[11] = {};
    };
    const GridText* grid_;
    std::vector<Step> steps_;
};
