// SPDX-License-Identifier: GPL-3.0-or-later
// The listing's lines, as one writer makes them for every listing (the refreshed one and the one
// of copied values): its header, its blank lines and the fields of each step's line.
#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/Quantities.h"

// The listing's first line.
inline constexpr std::string_view kListingHeader = "Таблица значений обновлена...";

// The lines of a listing of `steps` steps (none below 0): 0 is kListingHeader, 1 is empty, then
// for each step i = 1..steps the line of its fields (line 2i) and an empty line (2i + 1), and a
// last empty line (2 + 2 * steps). Joined by CR LF this is the listing file, joined by '\n' the
// memo text.
constexpr size_t listingLineCount(int steps)
{
    return 3 + 2 * size_t(steps > 0 ? steps : 0);
}

// The one writer of a listing's line: appends line i of a listing of `steps` steps, without its
// line end, to out. A step's line is, for each field f of kListingLayout in turn, the field's text
// followed by five spaces, or four when its value is negative: field(step, f, out) appends the
// text and returns whether the value is negative. Throws std::out_of_range for
// i >= listingLineCount(steps).
template <typename Field>
void appendListingLine(size_t i, int steps, std::string& out, Field&& field)
{
    const size_t count = listingLineCount(steps);
    if (i >= count) throw std::out_of_range("listing line");
    if (i == 0) {
        out += kListingHeader;
        return;
    }
    if (i % 2 == 1 || i == count - 1) return; // the blank lines
    const int step = static_cast<int>(i / 2);
    for (int f = 0; f < kListingRows; ++f)
        out += field(step, f, out) ? "    " : "     ";
}
