// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/GridText.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

void GridText::setColumnCount(int count)
{
    columns_ = std::max(count, 1);
}

void GridText::reserveColumns(int lastColumn)
{
    if (lastColumn <= slotColumns_) return;
    // calloc hands a large block over as untouched zero pages, so the refresh's threads take
    // the cost of first touching them, each for its own columns, instead of one thread zeroing
    // tens of megabytes ahead.
    std::unique_ptr<char[], FreeBytes> grown(
        static_cast<char*>(std::calloc(size_t(lastColumn) * kValueRows, kSlot)));
    if (!grown) throw std::bad_alloc();
    if (slotColumns_ > 0)
        std::memcpy(grown.get(), slots_.get(), size_t(slotColumns_) * kValueRows * kSlot);
    slots_ = std::move(grown);
    slotColumns_ = lastColumn;
}

std::string_view GridText::cell(int column, int row) const
{
    if (column < 0 || row < 0 || row >= kRows) throw std::out_of_range("grid cell");
    if (column == 0) return captions_[size_t(row)];
    if (row < kValueRows && column <= slotColumns_) {
        const char* s = slots_.get() + (size_t(column - 1) * kValueRows + size_t(row)) * kSlot;
        const auto len = static_cast<unsigned char>(s[0]);
        if (len != kElsewhere) return {s + 1, len};
    }
    const auto it = elsewhere_.find(key(column, row));
    return it == elsewhere_.end() ? std::string_view{} : std::string_view{it->second};
}

void GridText::setCell(int column, int row, std::string_view text)
{
    if (column < 0 || row < 0 || row >= kRows) throw std::out_of_range("grid cell");
    if (column == 0) {
        captions_[size_t(row)] = text;
        return;
    }
    if (row < kValueRows) {
        if (column > slotColumns_)
            reserveColumns(std::max(column, slotColumns_ + slotColumns_ / 2));
        char* s = slot(column, row);
        if (text.size() < kSlot) {
            if (static_cast<unsigned char>(s[0]) == kElsewhere) elsewhere_.erase(key(column, row));
            s[0] = static_cast<char>(text.size());
            std::memcpy(s + 1, text.data(), text.size());
            return;
        }
        s[0] = static_cast<char>(kElsewhere);
    }
    elsewhere_[key(column, row)] = text;
}

bool GridText::setCellInPlace(int column, int row, std::string_view text)
{
    if (column < 1 || column > slotColumns_ || row < 0 || row >= kValueRows) return false;
    if (text.size() >= kSlot) return false;
    char* s = slot(column, row);
    if (static_cast<unsigned char>(s[0]) == kElsewhere) return false;
    s[0] = static_cast<char>(text.size());
    std::memcpy(s + 1, text.data(), text.size());
    return true;
}
