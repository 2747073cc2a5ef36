// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/MarkText.h"

#include <cmath>

#include "base/NumberText.h"

std::string markText(long double value, std::string_view group, char decimal)
{
    // 18 digits of precision keep every digit a double can carry before the three decimals.
    if (std::fabs(value) >= 1e18L) return FormatGeneral(value, decimal);
    // "-1234.568", sign only if non-zero
    const std::string fixed = FormatFixed(value, 18, 3, decimal);

    size_t pos = 0;
    std::string out;
    if (!fixed.empty() && fixed[0] == '-') {
        out += '-';
        pos = 1;
    }
    size_t sep = fixed.find(decimal, pos);
    if (sep == std::string::npos) sep = fixed.size();
    const std::string_view intPart(fixed.data() + pos, sep - pos);
    for (size_t i = 0; i < intPart.size(); ++i) {
        if (i > 0 && (intPart.size() - i) % 3 == 0) out += group;
        out += intPart[i];
    }
    std::string frac = sep < fixed.size() ? fixed.substr(sep + 1) : std::string();
    while (!frac.empty() && frac.back() == '0')
        frac.pop_back();
    if (!frac.empty()) {
        out += decimal;
        out += frac;
    }
    return out;
}

std::string markGroupSeparator(char decimal, std::string_view localeGroup)
{
    if (!localeGroup.empty() && localeGroup != std::string_view(&decimal, 1))
        return std::string(localeGroup);
    return decimal == '.' ? "," : "\u00A0";
}
