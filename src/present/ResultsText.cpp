#include "present/ResultsText.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "params/ParamSet.h"
#include "present/Captions.h"
#include "base/NumberText.h"

void GridText::setColumnCount(int count)
{
    columns_ = std::max(count, 1);
}

void GridText::reserveColumns(int lastColumn)
{
    if (lastColumn <= slotColumns_) return;
    slots_.resize(size_t(lastColumn) * kValueRows * kSlot, 0);
    slotColumns_ = lastColumn;
}

std::string_view GridText::cell(int column, int row) const
{
    if (column < 0 || row < 0 || row >= kRows) throw std::out_of_range("grid cell");
    if (column == 0) return captions_[size_t(row)];
    if (row < kValueRows && column <= slotColumns_) {
        const char* s = slots_.data() + (size_t(column - 1) * kValueRows + size_t(row)) * kSlot;
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

namespace {

// Steps often repeat a row's value (constant rows, rows never written), so each row keeps the
// text of its last value and renders again only when the value changes.
class RowTexts {
public:
    std::string_view text(int row, long double v)
    {
        Entry& e = entries_[size_t(row)];
        if (!e.valid || !(v == e.value)) {
            // -0 and +0 compare equal and render alike; no stored value is NaN.
            e.text = FormatFixed(v, 4, 2);
            e.value = v;
            e.valid = true;
        }
        return e.text;
    }

private:
    struct Entry {
        long double value = 0;
        bool valid = false;
        std::string text;
    };
    std::array<Entry, GridText::kValueRows> entries_;
};

constexpr int kListedRows = 77; // R[0]..R[76]

} // namespace

void fillResults(const ResultStore& R, int32_t N, GridText& grid, std::string& listing,
                 const RefreshProgress& progress, std::string_view lineEnd)
{
    const int steps = std::clamp<int32_t>(N, 0, ResultStore::kSteps);
    grid.setColumnCount(steps + 1);
    grid.reserveColumns(steps);

    listing.clear();
    // About 10 bytes a field; one reservation keeps the appends from copying tens of megabytes.
    listing.reserve(kListingHeader.size() + 2 * lineEnd.size() +
                    size_t(steps) * (kListedRows * 10 + 2 * lineEnd.size()));
    listing += kListingHeader;
    listing += lineEnd;
    listing += lineEnd;

    RowTexts texts;
    std::string angle;
    for (int i = 1; i <= steps; ++i) {
        if (progress) progress(i);
        for (int k = 0; k < GridText::kValueRows; ++k) {
            const long double v = R(k, i);
            const std::string_view t = texts.text(k, v);
            if (k < kListedRows) {
                listing += t;
                listing += v < 0 ? "    " : "     ";
            }
            if (k > 0) grid.setCell(i, k, t);
        }
        listing += lineEnd;
        listing += lineEnd;
        grid.setCell(i, 0, FormatFixed(R(0, i) * kDegPerRad, 4, 2));
    }
}

int32_t loadCaptions(const std::string& path, GridText& grid)
{
    const std::vector<std::string> lines = readCaptions(path);
    for (size_t k = 0; k < lines.size(); ++k)
        grid.setCell(0, int(k) + 1, lines[k]);
    return static_cast<int32_t>(lines.size()) + 1;
}
