// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Quantities.h"

#include <stdexcept>

#include "base/UiText.h"

const QuantityInfo* quantityAtRow(int k)
{
    for (const QuantityInfo& q : kQuantities)
        if (rowOf(q.id) == k) return &q;
    return nullptr;
}

const QuantityInfo& quantityInfo(Quantity q)
{
    const QuantityInfo* info = quantityAtRow(rowOf(q));
    if (info == nullptr) throw std::logic_error("quantity missing from the catalogue");
    return *info;
}

const char* rowName(int k)
{
    const QuantityInfo* q = quantityAtRow(k);
    return q ? q->name : "";
}

std::string defaultCaption(const QuantityInfo& q)
{
    return std::string(q.name) + ": " + shownCaption(q) + ", " + shownUnit(q.unit);
}

std::string quantityNote(const QuantityInfo& q)
{
    std::string text;
    for (const QuantityNote& note : kQuantityNotes)
        if (listsWord(note.names, q.name))
            text += (text.empty() ? "" : " ") + uiText("Note", note.text);
    return text;
}

std::string shownCaption(const QuantityInfo& q)
{
    return uiText("Quantity", q.caption);
}
