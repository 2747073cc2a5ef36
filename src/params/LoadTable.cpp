// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/LoadTable.h"

#include <cmath>
#include <utility>

std::optional<std::string> checkLoadPoint(LoadKind kind, int32_t period, const LoadPoint* previous,
                                          const LoadPoint& pt)
{
    const bool byAngle = kind == LoadKind::ByAngle;
    // The away column belongs to a table by stroke; elsewhere it is never read.
    const long double away = byAngle ? 0.0L : pt.forceAway;
    if (!std::isfinite(pt.x) || !std::isfinite(pt.force) || !std::isfinite(away))
        return "a value is not finite";
    if (std::fabs(pt.force) > kMaxLoadForce || std::fabs(away) > kMaxLoadForce)
        return "|Q| exceeds 1e12 N";
    if (byAngle && !(pt.x >= 0 && pt.x < static_cast<long double>(period)))
        return "the angle lies outside [0, " + std::to_string(period) + ")";
    if (!byAngle && !(pt.x >= 0 && pt.x <= 1)) return "the stroke lies outside [0, 1]";
    if (previous && !(previous->x < pt.x))
        return byAngle ? "the angles are not increasing" : "the stroke values are not increasing";
    return std::nullopt;
}

std::string russianLoadFault(const std::string& why)
{
    static const std::pair<const char*, const char*> kTexts[] = {
        {"a value is not finite", "значение не конечно"},
        {"|Q| exceeds 1e12 N", "|Q| больше 1e12 Н"},
        {"the stroke lies outside [0, 1]", "ход вне [0, 1]"},
        {"the angles are not increasing", "углы не возрастают"},
        {"the stroke values are not increasing", "значения хода не возрастают"},
        {"the table is empty", "таблица пуста"},
        {"more than 100000 rows", "больше 100000 строк"},
    };
    for (const auto& [english, russian] : kTexts)
        if (why == english) return russian;
    // The one reason with a figure in it: the period.
    const std::string angle = "the angle lies outside [0, ";
    if (why.starts_with(angle)) return "угол вне [0, " + why.substr(angle.size());
    return why;
}

std::optional<LoadTableFault> checkLoadTable(const LoadTable& table, int32_t period)
{
    if (!table.active()) return std::nullopt;
    const auto& pts = table.points;
    if (pts.empty()) return LoadTableFault{0, "the table is empty"};
    if (pts.size() > kMaxLoadPoints) return LoadTableFault{kMaxLoadPoints, "more than 100000 rows"};
    for (size_t k = 0; k < pts.size(); ++k)
        if (auto why = checkLoadPoint(table.kind, period, k ? &pts[k - 1] : nullptr, pts[k]))
            return LoadTableFault{k, *why};
    return std::nullopt;
}
