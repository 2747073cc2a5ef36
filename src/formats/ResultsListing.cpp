// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ResultsListing.h"

#include <algorithm>
#include <stdexcept>

#include "formats/GridText.h"

void ResultsListing::setStepCount(int count)
{
    steps_.assign(size_t(std::max(count, 0)), Step{});
}

void ResultsListing::setStep(int i, std::string_view field0, const Signs& negative)
{
    if (i < 1 || i > steps()) throw std::out_of_range("listing step");
    Step& s = steps_[size_t(i - 1)];
    if (field0.size() > sizeof s.field0) throw std::length_error("listing field");
    s.negative = negative;
    s.length = static_cast<unsigned char>(field0.size());
    field0.copy(s.field0, field0.size());
}

void ResultsListing::appendLine(size_t i, std::string& out) const
{
    if (i >= lineCount()) throw std::out_of_range("listing line");
    if (i == 0) {
        out += kListingHeader;
        return;
    }
    if (i % 2 == 1 || i == lineCount() - 1) return; // the blank lines
    const int step = static_cast<int>(i / 2);
    const Step& s = steps_[size_t(step - 1)];
    for (int k = 0; k < kFields; ++k) {
        out += k == 0 ? std::string_view(s.field0, s.length) : grid_->cell(step, k);
        out += s.negative[size_t(k)] ? "    " : "     ";
    }
}
