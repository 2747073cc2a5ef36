// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/VariantTable.h"

#include "base/UiText.h"
#include "present/SummaryText.h"

DocumentTable variantTable(const std::vector<Variant>& variants,
                           const std::optional<std::vector<std::optional<long double>>>& current,
                           char decimal)
{
    std::vector<Variant> compared;
    if (current) compared.push_back(Variant{uiText("Variants", kCurrentRunRow), {}, *current});
    compared.insert(compared.end(), variants.begin(), variants.end());
    const auto figures = keyFigures();
    const std::vector<int> best = bestVariantPerFigure(compared);

    DocumentTable table;
    table.header.push_back(uiText("Variants", "Вариант"));
    for (const KeyFigure& f : figures)
        table.header.push_back(shownCaption(f) + ", " + shownUnit(f.unit));
    auto figure = [&](size_t r, size_t f) -> std::optional<long double> {
        return f < compared[r].figures.size() ? compared[r].figures[f] : std::nullopt;
    };
    for (size_t r = 0; r < compared.size(); ++r) {
        std::vector<std::string> row{compared[r].name};
        std::vector<bool> marks{false};
        for (size_t f = 0; f < figures.size(); ++f) {
            const auto value = figure(r, f);
            row.push_back(value ? summaryFigure(*value, decimal) : "—");
            bool marked = false;
            if (value && best[f] >= 0 && *value == *figure(size_t(best[f]), f))
                // A column of one value has no better row.
                for (size_t o = 0; o < compared.size() && !marked; ++o)
                    marked = figure(o, f) != value;
            marks.push_back(marked);
        }
        table.rows.push_back(std::move(row));
        table.best.push_back(std::move(marks));
    }
    return table;
}
