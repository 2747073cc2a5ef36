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
#include "formats/ListingLine.h"

class GridText;

// The listing a refresh makes. A step's fields are the texts of R[k][i] for the rows k of
// kListingLayout: the grid's cells (i, k), read when the line is asked for, but for row 0, which
// the listing gives in radians while the grid shows degrees; that text and the signs are kept
// here.
class ResultsListing final : public LineSource {
public:
    static constexpr int kFields = kListingRows;
    using Signs = std::bitset<kFields>; // bit f set: the value of field f is negative

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

    size_t lineCount() const override { return listingLineCount(steps()); }
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
