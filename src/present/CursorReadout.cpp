// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/CursorReadout.h"

#include "base/NumberText.h"
#include "base/UiText.h"

std::vector<Quantity> defaultReadoutQuantities()
{
    using Q = Quantity;
    return {Q::yb, Q::ybt, Q::ybtt, Q::fak, Q::fok, Q::nb, Q::mo};
}

std::vector<ReadoutLine> readoutLines(const ResultStore& R, int step,
                                      const std::vector<Quantity>& quantities, char decimal)
{
    const bool computed = step >= 1 && step <= R.computedSteps();
    std::vector<ReadoutLine> lines;
    lines.reserve(quantities.size());
    for (const Quantity q : quantities) {
        const QuantityInfo& info = quantityInfo(q);
        lines.push_back({info.name, shownCaption(info),
                         computed ? FormatGeneral(R(q, step), decimal) : std::string("—"),
                         shownUnit(info.unit)});
    }
    return lines;
}
