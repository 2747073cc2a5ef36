// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchParams.h"

#include <algorithm>
#include <cstdint>

#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"
#include "calc/ResultStore.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"

namespace {

// The message for a bad line of a params file: "FILE:LINE: why: the line", within kQuoteBytes as a
// rule (the line gets the room the rest leaves). Lines that end in CR alone run together into
// one: that is said instead, with the text before the first such CR.
std::string paramsLineFault(const std::string& path, int lineNo, const std::string& line,
                            size_t loneCr, const std::string& why)
{
    const std::string where = quoteText(path, 80) + ":" + std::to_string(lineNo) + ": ";
    const std::string reason = loneCr == std::string::npos
                                   ? why + ": "
                                   : "a CR without LF (lines must end in CR LF or LF) follows: ";
    const std::string text = loneCr == std::string::npos ? line : line.substr(0, loneCr);
    const size_t room =
        kQuoteBytes - std::min<size_t>(kQuoteBytes - 40, where.size() + reason.size());
    return elideMiddle(where + reason + quoteText(text, room), kQuoteBytes);
}

} // namespace

std::string trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

// "KEY=VALUE" with optional blanks around both; false without an '='.
bool splitAssignment(std::string_view text, std::string& key, std::string& value)
{
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(text.substr(0, eq));
    value = trim(text.substr(eq + 1));
    return true;
}

std::vector<std::string> commaParts(std::string_view text)
{
    std::vector<std::string> parts;
    for (;;) {
        const auto comma = text.find(',');
        parts.emplace_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return parts;
        text.remove_prefix(comma + 1);
    }
}

// ---- Parameter keys ----------------------------------------------------------------------

// The crank step of a text in degrees, in radians: only the steps the window's step box offers.
long double windowStep(const std::string& text)
{
    const int item = tuneItemIndex(ParseReal(text, '.'));
    if (item < 0)
        throw BatchBadInput{"'" + quoteText(text) +
                            "' is not a step of the window (1, 5, 10, 15, 30, 60, 0.5, 0.2, 0.1, "
                            "0.05 or 0.01)"};
    return kTuneItems[static_cast<size_t>(item)].degrees * kRadPerDeg;
}

// Sets one parameter from its text (ParseReal / ParseInteger): numbers on the command line and
// in params files take the period, whatever the locale.
void setParam(ParamSet& p, const std::string& key, const std::string& text)
{
    const ParamInfo* info = findParam(key);
    if (info == nullptr) throw BatchBadInput{"unknown key '" + quoteText(key) + "'"};
    try {
        switch (info->kind) {
        case ParamKind::Double:
            // Beyond the double range: not a valid value.
            p.*(info->asDouble) = ParseDouble(text, '.');
            return;
        case ParamKind::Extended: {
            ParseDouble(text, '.'); // beyond the double range: refused as the double fields are
            const long double value = ParseReal(text, '.');
            if (const std::string fault = paramValueFault(*info, value); !fault.empty())
                throw BatchBadInput{fault};
            p.*(info->asExtended) = value;
            return;
        }
        case ParamKind::Step: {
            p.step = windowStep(text);
            return;
        }
        case ParamKind::Cycles: {
            const int32_t cycles = ParseInteger(text);
            if (cycles < 0) throw BatchBadInput{"'" + quoteText(text) + "' is not a cycle count"};
            const int64_t n = int64_t{24} * cycles + 1;
            if (n > ResultStore::kSteps)
                throw BatchBadInput{"'" + quoteText(text) +
                                    "' cycles exceed the limit of 90000 steps"};
            p.cycles = cycles;
            p.N = static_cast<int32_t>(n);
            return;
        }
        case ParamKind::Mode: {
            const int32_t mode = ParseInteger(text);
            if (mode != 360 && mode != 720)
                throw BatchBadInput{"'" + quoteText(text) + "' is not 360 or 720"};
            p.mode = mode == 720 ? 1 : 0;
            return;
        }
        case ParamKind::Period: {
            const int32_t period = ParseInteger(text);
            if (period != 360 && period != 720)
                throw BatchBadInput{"'" + quoteText(text) + "' is not 360 or 720"};
            p.period = period;
            return;
        }
        case ParamKind::Motion: {
            const std::optional<MotionLaw> law = motionByName(trim(text));
            if (!law) throw BatchBadInput{"'" + quoteText(text) + "' is not prescribed or true"};
            p.motion = *law;
            return;
        }
        case ParamKind::Drive: {
            const std::optional<DriveKind> kind = driveByName(trim(text));
            if (!kind)
                throw BatchBadInput{"'" + quoteText(text) + "' is not constant, motor or table"};
            p.drive = *kind;
            return;
        }
        }
    } catch (const ConvertError& e) {
        throw BatchBadInput{e.what()};
    }
}

void applyParamsFile(ParamSet& p, const std::string& path)
{
    try {
        TextReader reader(path);
        reader.skipByteOrderMark();
        for (int lineNo = 1; !reader.atEnd(); ++lineNo) {
            const std::string line = reader.readLine();
            try {
                // Nothing valid is this long: the cut start must not be read as a value.
                if (reader.lineCut()) throw BatchBadInput{"line too long"};
                const std::string text = trim(line);
                if (text.empty() || text[0] == '#') continue;
                std::string key, value;
                if (!splitAssignment(text, key, value)) throw BatchBadInput{"expected KEY = VALUE"};
                setParam(p, key, value);
            } catch (const BatchBadInput& e) {
                throw BatchBadInput{
                    paramsLineFault(path, lineNo, line, reader.loneCr(), e.message)};
            }
        }
    } catch (const InOutError& e) {
        throw BatchBadInput{quoteText(path) + ": " + e.what()};
    }
}
