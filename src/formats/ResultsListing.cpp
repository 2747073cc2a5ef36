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
    appendListingLine(i, steps(), out, [this](int step, int f, std::string& to) {
        const Step& s = steps_[size_t(step - 1)];
        const int row = rowOf(kListingLayout[size_t(f)]);
        to += row == 0 ? std::string_view(s.field0, s.length) : grid_->cell(step, row);
        return s.negative[size_t(f)];
    });
}
