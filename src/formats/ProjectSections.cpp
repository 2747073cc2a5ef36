// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ProjectSections.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/FullPrecision.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "params/LoadTable.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"

namespace {

constexpr const char* kParametersSection = "parameters";
constexpr const char* kRunSection = "run";
constexpr const char* kLoadSection = "load";
// The step count N: the window may hold a cycle count whose N it refused, so N is kept apart.
constexpr const char* kStepsKey = "steps";

std::string within(const std::string& where, const std::string& key)
{
    return where.empty() ? key : where + "." + key;
}

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// ---- Parameters --------------------------------------------------------------------------

ProjectJson writeParameters(const ParamSet& p, const std::string& where)
{
    ProjectJson section = ProjectJson::object();
    for (const ParamInfo& info : kParams) {
        if (!(info.files & kInProject) || info.group == ParamGroup::Run) continue;
        const long double v = paramValue(p, info);
        ParamSet probe;
        if (!std::isfinite(v) || !paramValueFault(info, v).empty() || !storeParam(probe, info, v))
            refuseKey(within(where, std::string(kParametersSection) + "." + info.key),
                      "the value " + exactText(v) + " cannot be read back",
                      "значение " + exactText(v) + " не прочесть обратно");
        section[info.key] = exactText(v);
    }
    return section;
}

void readParameters(const ProjectJson& section, ParamSet& p, UnknownKeys& unknown,
                    const std::string& where)
{
    for (const auto& [key, value] : section.items()) {
        const ParamInfo* info = findParam(key);
        if (!info || !(info->files & kInProject) || info->group == ParamGroup::Run) {
            unknown.add(within(where, std::string(kParametersSection) + "." + key));
            continue;
        }
        const long double v = readReal(key, value);
        // The table decides what a parameter may hold: the double range for every real, and
        // whatever further rule it keeps (a mass that may not be negative, say).
        if (const std::string fault = paramValueFault(*info, v); !fault.empty())
            refuseKey(key, fault, fault);
        if (!storeParam(p, *info, v)) {
            const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
            refuseKey(key, "the value " + quoteText(text, 80) + " is out of range",
                      "значение " + quoteText(text, 80) + " вне допустимого диапазона");
        }
    }
}

// ---- Run settings ------------------------------------------------------------------------

int64_t readWhole(const std::string& key, const ProjectJson& v)
{
    if (v.is_number_integer()) {
        if (v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(INT64_MAX))
            refuseKey(key, "the value is out of range", "значение вне допустимого диапазона");
        return v.get<int64_t>();
    }
    if (v.is_string()) {
        try {
            return ParseInteger(v.get_ref<const std::string&>());
        } catch (const ConvertError&) {
        }
    }
    refuseKey(key, "expected a whole number", "ожидалось целое число");
}

bool validSteps(int64_t n)
{
    return n >= 1 && n <= kMaxSteps && (n - 1) % kStepsPerCycle == 0;
}

ProjectJson writeRun(const ParamSet& p, const std::string& where)
{
    ProjectJson section = ProjectJson::object();
    for (const ParamInfo& info : kParams) {
        if (!(info.files & kInProject) || info.group != ParamGroup::Run) continue;
        const std::string key = within(where, std::string(kRunSection) + "." + info.key);
        switch (info.kind) {
        case ParamKind::Step: {
            // In degrees, as the step box shows it: the step is always one of its items, and
            // the item's degrees give back the same radians on reading.
            const auto item = std::find_if(kTuneItems.begin(), kTuneItems.end(), [&](auto& t) {
                return t.degrees * kRadPerDeg == p.step;
            });
            if (item == kTuneItems.end())
                refuseKey(key,
                          "the step " + FormatGeneral(deg(p.step), '.') +
                              " is none the window offers",
                          "шаг " + FormatGeneral(deg(p.step), '.') + " не из списка окна");
            section[info.key] = FormatGeneral(item->degrees, '.');
            break;
        }
        case ParamKind::Cycles:
            // What is in force is N: a cycle count the window refused never reached it.
            if (!validSteps(p.N))
                refuseKey(within(where, std::string(kRunSection) + "." + kStepsKey),
                          "expected 24 * cycles + 1 steps, at most 90000",
                          "ожидалось 24 × циклы + 1 шагов, не более 90000");
            section[info.key] = (p.N - 1) / kStepsPerCycle;
            section[kStepsKey] = p.N;
            break;
        case ParamKind::Mode:
            section[info.key] = p.mode == 0 ? 360 : 720;
            break;
        case ParamKind::Period:
            if (p.period != 360 && p.period != 720)
                refuseKey(key, "expected 360 or 720", "ожидалось 360 или 720");
            section[info.key] = p.period;
            break;
        case ParamKind::Motion:
            section[info.key] = motionName(p.motion);
            break;
        case ParamKind::Drive:
            section[info.key] = driveName(p.drive);
            break;
        default:
            break;
        }
    }
    return section;
}

void readRun(const ProjectJson& section, ParamSet& p, UnknownKeys& unknown,
             const std::string& where)
{
    bool stepsGiven = false;
    const ProjectJson* cyclesGiven = nullptr;
    for (const auto& [key, value] : section.items()) {
        const ParamInfo* info = findParam(key);
        const bool run = info && info->group == ParamGroup::Run;
        if (key == kStepsKey) {
            const int64_t n = readWhole(key, value);
            if (!validSteps(n))
                refuseKey(key, "expected 24 * cycles + 1 steps, at most 90000",
                          "ожидалось 24 × циклы + 1 шагов, не более 90000");
            p.N = static_cast<int32_t>(n);
            stepsGiven = true;
        } else if (run && info->kind == ParamKind::Step) {
            const int item = tuneItemIndex(readReal(key, value));
            if (item < 0)
                refuseKey(key, "the step is none the window offers", "шаг не из списка окна");
            p.step = kTuneItems[static_cast<size_t>(item)].degrees * kRadPerDeg;
        } else if (run && info->kind == ParamKind::Cycles) {
            cyclesGiven = &value;
        } else if (run && info->kind == ParamKind::Mode) {
            const int64_t mode = readWhole(key, value);
            if (mode != 360 && mode != 720)
                refuseKey(key, "expected 360 or 720", "ожидалось 360 или 720");
            p.mode = mode == 720 ? 1 : 0;
        } else if (run && info->kind == ParamKind::Period) {
            const int64_t period = readWhole(key, value);
            if (period != 360 && period != 720)
                refuseKey(key, "expected 360 or 720", "ожидалось 360 или 720");
            p.period = static_cast<int32_t>(period);
        } else if (run && info->kind == ParamKind::Motion) {
            const auto law = value.is_string() ? motionByName(value.get<std::string>())
                                               : std::nullopt;
            if (!law) refuseKey(key, "expected prescribed or true", "ожидалось prescribed или true");
            p.motion = *law;
        } else if (run && info->kind == ParamKind::Drive) {
            const auto kind = value.is_string() ? driveByName(value.get<std::string>())
                                                : std::nullopt;
            if (!kind)
                refuseKey(key, "expected constant, motor or table",
                          "ожидалось constant, motor или table");
            p.drive = *kind;
        } else {
            unknown.add(within(where, std::string(kRunSection) + "." + key));
        }
    }
    if (cyclesGiven) {
        const int64_t cycles = readWhole("cycles", *cyclesGiven);
        if (cycles < 0 || cycles > INT32_MAX)
            refuseKey("cycles", "expected a count from 0", "ожидалось число циклов от 0");
        // The step count, where the file gives it, is what was in force; otherwise the count
        // gives it, as the window would, and a count it would refuse is refused here too.
        if (!stepsGiven && int64_t{kStepsPerCycle} * cycles + 1 > kMaxSteps)
            refuseKey("cycles", std::to_string(cycles) + " cycles exceed the limit of 90000 steps",
                      std::to_string(cycles) + " циклов превышают предел в 90000 шагов");
        if (!stepsGiven) p.N = static_cast<int32_t>(int64_t{kStepsPerCycle} * cycles + 1);
    }
    p.cycles = (p.N - 1) / kStepsPerCycle;
}

// ---- The load ----------------------------------------------------------------------------

// Its kind and direction by name, then its points, each an array of exact texts ([angle, Q] or
// [s, Q toward, Q away]), one point a line.
constexpr std::pair<LoadKind, const char*> kLoadKinds[] = {
    {LoadKind::None, "none"}, {LoadKind::ByAngle, "angle"}, {LoadKind::ByStroke, "stroke"}};
constexpr std::pair<LoadDirection, const char*> kLoadDirections[] = {
    {LoadDirection::TowardCrank, "toward_crank"}, {LoadDirection::AlongY, "along_y"}};

std::string pointKey(const std::string& where, size_t index)
{
    return within(where, "load.points[" + std::to_string(index) + "]");
}

void refuseLoadValue(const std::string& key, long double v)
{
    if (!withinDoubleRange(v))
        refuseKey(key, "the value " + shortExactText(v) + " lies beyond the range of a double",
                  "значение " + shortExactText(v) + " вне диапазона double");
}

ProjectJson writeLoad(const ParamSet& p, const std::string& where)
{
    if (p.load.points.size() > kMaxLoadPoints)
        refuseKey(within(where, "load.points"),
                  "more than " + std::to_string(kMaxLoadPoints) + " points",
                  "больше " + std::to_string(kMaxLoadPoints) + " точек");
    if (const auto fault = checkLoadTable(p.load, p.period))
        refuseKey(pointKey(where, fault->point), fault->why, russianLoadFault(fault->why));
    ProjectJson section = ProjectJson::object();
    for (const auto& [kind, name] : kLoadKinds)
        if (kind == p.load.kind) section["kind"] = name;
    for (const auto& [direction, name] : kLoadDirections)
        if (direction == p.load.direction) section["direction"] = name;
    ProjectJson points = ProjectJson::array();
    const bool byStroke = p.load.kind == LoadKind::ByStroke;
    for (size_t k = 0; k < p.load.points.size(); ++k) {
        const LoadPoint& point = p.load.points[k];
        for (const long double v : {point.x, point.force, byStroke ? point.forceAway : 0.0L})
            refuseLoadValue(pointKey(where, k), v);
        ProjectJson row =
            ProjectJson::array({shortExactText(point.x), shortExactText(point.force)});
        if (byStroke) row.push_back(shortExactText(point.forceAway));
        points.push_back(std::move(row));
    }
    section["points"] = std::move(points);
    return section;
}

template <class T, size_t K>
T readName(const std::string& key, const ProjectJson& v,
           const std::pair<T, const char*> (&names)[K])
{
    if (v.is_string())
        for (const auto& [value, name] : names)
            if (v.get_ref<const std::string&>() == name) return value;
    std::string expected;
    for (const auto& entry : names)
        expected += (expected.empty() ? "" : ", ") + std::string(entry.second);
    refuseKey(key, "expected one of " + expected, "ожидалось одно из: " + expected);
}

// ---- The drive table ---------------------------------------------------------------------

// The points [ω, M] as exact texts, one a line; a project without a table has no such section.
constexpr const char* kDriveTableSection = "drive_table";

ProjectJson writeDriveTable(const ParamSet& p, const std::string& where)
{
    if (p.driveTable.empty()) return nullptr;
    ProjectJson points = ProjectJson::array();
    for (size_t k = 0; k < p.driveTable.size(); ++k) {
        const DrivePoint& point = p.driveTable[k];
        const std::string key = within(where, std::string(kDriveTableSection) + "[" +
                                                  std::to_string(k) + "]");
        if (auto fault = drivePointFault(point, k > 0 ? &p.driveTable[k - 1] : nullptr))
            refuseKey(key, fault->why, fault->russian);
        points.push_back(ProjectJson::array({shortExactText(point.omega),
                                             shortExactText(point.moment)}));
    }
    ProjectJson section = ProjectJson::object();
    section["points"] = std::move(points);
    return section;
}

void readDriveTable(const ProjectJson& section, ParamSet& p, UnknownKeys& unknown,
                    const std::string& where)
{
    std::vector<DrivePoint> table;
    for (const auto& [key, value] : section.items()) {
        if (key != "points") {
            unknown.add(within(where, std::string(kDriveTableSection) + "." + key));
            continue;
        }
        const std::string pointsKey = within(where, std::string(kDriveTableSection) + ".points");
        if (!value.is_array() || value.size() > kMaxDrivePoints)
            refuseKey(pointsKey, "expected an array of at most 10000 points",
                      "ожидался массив не более чем из 10000 точек");
        for (const ProjectJson& row : value) {
            const std::string rowKey = pointsKey + "[" + std::to_string(table.size()) + "]";
            if (!row.is_array() || row.size() != 2)
                refuseKey(rowKey, "expected 2 numbers", "ожидалось чисел: 2");
            const DrivePoint point{readReal(rowKey, row[0]), readReal(rowKey, row[1])};
            if (auto fault = drivePointFault(point, table.empty() ? nullptr : &table.back()))
                refuseKey(rowKey, fault->why, fault->russian);
            table.push_back(point);
        }
    }
    p.driveTable = std::move(table);
}

struct Section {
    const char* name;
    ProjectJson (*write)(const ParamSet&, const std::string&);
    void (*read)(const ProjectJson&, ParamSet&, UnknownKeys&, const std::string&);
};
const Section kSections[] = {
    {kParametersSection, writeParameters, readParameters},
    {kRunSection, writeRun, readRun},
    {kLoadSection, writeLoad, readLoad},
    {kDriveTableSection, writeDriveTable, readDriveTable},
};

} // namespace

void UnknownKeys::add(std::string key)
{
    ++count;
    if (listed.size() < kListedUnknownKeys) listed.push_back(std::move(key));
}

void refuseKey(const std::string& key, const std::string& why, const std::string& ru)
{
    const std::string quoted = quoteText(key, 80);
    throw ProjectError("project key '" + quoted + "': " + why,
                       "ключ проекта «" + quoted + "»: " + ru);
}

std::string exactText(long double v)
{
    char buf[kFullPrecisionSize];
    return std::string(buf, writeFullPrecision(v, '.', buf));
}

std::string shortExactText(long double v)
{
    const std::string full = exactText(v);
    if (!std::isfinite(v) || full.size() <= 6) return full;
    // The full text as 0.d1d2d3... × 10^scale: its digits rounded to fewer give the candidates,
    // each kept only when it reads back to v.
    const bool negative = full[0] == '-';
    std::string digits;
    int point = -1, exponent = 0;
    for (size_t i = negative ? 1 : 0; i < full.size(); ++i) {
        if (full[i] >= '0' && full[i] <= '9') {
            digits += full[i];
        } else if (full[i] == '.') {
            point = static_cast<int>(digits.size());
        } else if (full[i] == 'e') {
            exponent = std::stoi(full.substr(i + 1));
            break;
        }
    }
    if (point < 0) point = static_cast<int>(digits.size());
    const size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return full;
    digits.erase(0, lead);
    const size_t last = digits.find_last_not_of('0');
    digits.resize(last + 1);
    const int scale = point - static_cast<int>(lead) + exponent;
    const auto candidate = [&](size_t count) {
        std::string d = digits.substr(0, count);
        int s = scale;
        if (count < digits.size() && digits[count] >= '5') {
            size_t k = count;
            while (k > 0 && d[k - 1] == '9')
                d[--k] = '0';
            if (k == 0) {
                d.insert(d.begin(), '1');
                d.pop_back();
                ++s;
            } else {
                ++d[k - 1];
            }
        }
        d.resize(d.find_last_not_of('0') + 1);
        const int n = static_cast<int>(d.size());
        std::string text = negative ? "-" : "";
        if (s > 0 && s <= 21) {
            text += s >= n ? d + std::string(size_t(s - n), '0')
                           : d.substr(0, size_t(s)) + "." + d.substr(size_t(s));
        } else if (s <= 0 && s > -5) {
            text += "0." + std::string(size_t(-s), '0') + d;
        } else {
            text += d.substr(0, 1) + (n > 1 ? "." + d.substr(1) : "") + "e" + std::to_string(s - 1);
        }
        return text;
    };
    const auto readsBack = [&](const std::string& text) {
        try {
            return sameBits(ParseReal(text, '.'), v);
        } catch (const ConvertError&) {
            return false;
        }
    };
    // Fewer digits read back as soon as enough do; the search keeps only texts that were tried.
    size_t low = 1, high = digits.size();
    std::string best = candidate(high);
    if (!readsBack(best)) return full;
    while (low < high) {
        const size_t mid = (low + high) / 2;
        std::string text = candidate(mid);
        if (readsBack(text)) {
            best = std::move(text);
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return best.size() < full.size() ? best : full;
}

long double readReal(const std::string& key, const ProjectJson& v)
{
    long double value = 0;
    if (v.is_string()) {
        const std::string& text = v.get_ref<const std::string&>();
        try {
            value = ParseReal(text, '.');
        } catch (const ConvertError&) {
            refuseKey(key, "'" + quoteText(text, 80) + "' is not a number",
                      "«" + quoteText(text, 80) + "» не число");
        }
    } else if (v.is_number_integer()) {
        value = v.is_number_unsigned() ? static_cast<long double>(v.get<uint64_t>())
                                       : static_cast<long double>(v.get<int64_t>());
    } else if (v.is_number_float()) {
        refuseKey(key, "a fraction must be written in quotes to keep every digit",
                  "дробь пишется в кавычках, чтобы сохранить все цифры");
    } else {
        refuseKey(key, "expected a number, found " + std::string(v.type_name()),
                  "ожидалось число, а не " + std::string(v.type_name()));
    }
    if (!std::isfinite(value)) refuseKey(key, "the value is not finite", "значение не конечно");
    return value;
}

bool withinDoubleRange(long double v)
{
    // DBL_MAX plus half an ulp: the smallest magnitude that rounds to infinity as a double.
    constexpr long double kDoubleOverflow = 0x1.fffffffffffff8p1023L;
    return std::isfinite(v) && std::fabs(v) < kDoubleOverflow;
}

void writeSet(ProjectJson& object, const ParamSet& p, const std::string& where)
{
    for (const Section& s : kSections)
        // A section with nothing to say is left out, so older projects keep their shape.
        if (ProjectJson section = s.write(p, where); !section.is_null())
            object[s.name] = std::move(section);
}

bool readSetSection(const std::string& key, const ProjectJson& value, ParamSet& p,
                    UnknownKeys& unknown, const ProjectJson*& load, const std::string& where)
{
    const auto section = std::find_if(std::begin(kSections), std::end(kSections),
                                      [&](const Section& s) { return key == s.name; });
    if (section == std::end(kSections)) return false;
    if (!value.is_object()) refuseKey(within(where, key), "expected an object", "ожидался объект");
    if (key == kLoadSection)
        load = &value;
    else
        section->read(value, p, unknown, where);
    return true;
}

void readLoad(const ProjectJson& section, ParamSet& p, UnknownKeys& unknown,
              const std::string& where)
{
    LoadTable load;
    const ProjectJson* points = nullptr;
    for (const auto& [key, value] : section.items()) {
        if (key == "kind")
            load.kind = readName(key, value, kLoadKinds);
        else if (key == "direction")
            load.direction = readName(key, value, kLoadDirections);
        else if (key == "points")
            points = &value;
        else
            unknown.add(within(where, std::string(kLoadSection) + "." + key));
    }
    if (points) {
        if (!points->is_array())
            refuseKey(within(where, "load.points"), "expected an array of points",
                      "ожидался массив точек");
        if (points->size() > kMaxLoadPoints)
            refuseKey(within(where, "load.points"),
                      "more than " + std::to_string(kMaxLoadPoints) + " points",
                      "больше " + std::to_string(kMaxLoadPoints) + " точек");
        const size_t columns = load.kind == LoadKind::ByStroke ? 3 : 2;
        for (const ProjectJson& row : *points) {
            const std::string key = pointKey(where, load.points.size());
            if (!row.is_array() || row.size() != columns)
                refuseKey(key, "expected " + std::to_string(columns) + " numbers",
                          "ожидалось чисел: " + std::to_string(columns));
            LoadPoint point;
            point.x = readReal(key, row[0]);
            point.force = readReal(key, row[1]);
            if (columns == 3) point.forceAway = readReal(key, row[2]);
            // A table of kind none is kept for when it is chosen again, and checked as any.
            for (const long double v : {point.x, point.force, point.forceAway})
                refuseLoadValue(key, v);
            load.points.push_back(point);
        }
    }
    // The same rules as a table read from CSV; the period is the run section's, read before.
    if (const auto fault = checkLoadTable(load, p.period))
        refuseKey(pointKey(where, fault->point), fault->why, russianLoadFault(fault->why));
    p.load = std::move(load);
}
