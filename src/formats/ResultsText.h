// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh ("Обновить"): the results grid's text and the listing made from the result store,
// on every core; and the grid's captions from the caption file.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "calc/ResultStore.h"
#include "formats/GridText.h"
#include "formats/ResultsListing.h"

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

// Reads the caption file (see formats/Captions.h), puts line k into cell (0, k), gives each
// catalogue quantity of a row from kReportRows on past the file's last line its default caption
// (rows between made empty), and returns the new caption count: one past the last row captioned.
// Throws InOutError, with no cell changed, when the file cannot be opened or read.
int32_t loadCaptions(const std::string& path, GridText& grid);
