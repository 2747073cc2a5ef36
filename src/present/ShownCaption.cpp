// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/ShownCaption.h"

#include "calc/Quantities.h"

std::string shownRowCaption(int row, const std::string& fileCaption)
{
    const QuantityInfo* q = quantityAtRow(row);
    if (q == nullptr) return fileCaption;
    // Compared with the source texts, not with defaultCaption, which is already translated.
    const std::string shipped = std::string(q->name) + ": " + q->caption + ", " + q->unit;
    return fileCaption == shipped ? defaultCaption(*q) : fileCaption;
}
