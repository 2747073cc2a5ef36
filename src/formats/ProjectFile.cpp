// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ProjectFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "base/BuildInfo.h"
#include "base/FullPrecision.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "params/LoadTable.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"

namespace {

using Json = nlohmann::ordered_json;

// The section names; a new section ("load", "variants") adds its name and a pair of functions
// to kSections below.
constexpr const char* kParametersSection = "parameters";
constexpr const char* kRunSection = "run";
// The step count N: the window may hold a cycle count whose N it refused, so N is kept apart.
constexpr const char* kStepsKey = "steps";

std::string fullPrecisionText(long double v)
{
    char buf[kFullPrecisionSize];
    return std::string(buf, writeFullPrecision(v, '.', buf));
}

[[noreturn]] void refuse(const std::string& key, const std::string& why)
{
    throw ProjectError("project key '" + quoteText(key, 80) + "': " + why);
}

// ---- Writing -----------------------------------------------------------------------------

Json writeParameters(const ParamSet& p)
{
    Json section = Json::object();
    for (const ParamInfo& info : kParams)
        if ((info.files & kInProject) && info.group != ParamGroup::Run)
            section[info.key] = fullPrecisionText(paramValue(p, info));
    return section;
}

Json writeRun(const ParamSet& p)
{
    Json section = Json::object();
    for (const ParamInfo& info : kParams) {
        if (!(info.files & kInProject) || info.group != ParamGroup::Run) continue;
        switch (info.kind) {
        case ParamKind::Step: {
            // In degrees, as the step box shows it: the step is always one of its items, and
            // the item's degrees give back the same radians on reading.
            const auto item = std::find_if(kTuneItems.begin(), kTuneItems.end(), [&](auto& t) {
                return t.degrees * kRadPerDeg == p.step;
            });
            if (item == kTuneItems.end())
                refuse(info.key, "the step " + FormatGeneral(deg(p.step), '.') +
                                     " is none the window offers");
            section[info.key] = FormatGeneral(item->degrees, '.');
            break;
        }
        case ParamKind::Cycles:
            section[info.key] = p.cycles;
            section[kStepsKey] = p.N;
            break;
        case ParamKind::Mode:
            section[info.key] = p.mode == 0 ? 360 : 720;
            break;
        case ParamKind::Period:
            section[info.key] = p.period;
            break;
        default:
            break;
        }
    }
    return section;
}

// ---- Reading -----------------------------------------------------------------------------

// Keys this program does not know, collected once each in file order.
struct Unknown {
    std::vector<std::string>& keys;
    void add(const std::string& key)
    {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    }
};

// A real from a JSON string (exact) or a whole JSON number; anything else is refused.
long double readReal(const std::string& key, const Json& v)
{
    long double value = 0;
    if (v.is_string()) {
        const std::string& text = v.get_ref<const std::string&>();
        try {
            value = ParseReal(text, '.');
        } catch (const ConvertError&) {
            refuse(key, "'" + quoteText(text, 80) + "' is not a number");
        }
    } else if (v.is_number_integer()) {
        value = v.is_number_unsigned() ? static_cast<long double>(v.get<uint64_t>())
                                       : static_cast<long double>(v.get<int64_t>());
    } else if (v.is_number_float()) {
        refuse(key, "a fraction must be written in quotes to keep every digit");
    } else {
        refuse(key, "expected a number, found " + std::string(v.type_name()));
    }
    if (!std::isfinite(value)) refuse(key, "the value is not finite");
    return value;
}

int64_t readWhole(const std::string& key, const Json& v)
{
    if (v.is_number_integer()) {
        if (v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(INT64_MAX))
            refuse(key, "the value is out of range");
        return v.get<int64_t>();
    }
    if (v.is_string()) {
        try {
            return ParseInteger(v.get_ref<const std::string&>());
        } catch (const ConvertError&) {
        }
    }
    refuse(key, "expected a whole number");
}

void readParameters(const Json& section, ParamSet& p, Unknown& unknown)
{
    for (const auto& [key, value] : section.items()) {
        const ParamInfo* info = findParam(key);
        if (!info || !(info->files & kInProject) || info->group == ParamGroup::Run) {
            unknown.add(std::string(kParametersSection) + "." + key);
            continue;
        }
        const long double v = readReal(key, value);
        // The table decides what a parameter may hold: the double range for every real, and
        // whatever further rule it keeps (a mass that may not be negative, say).
        if (const std::string fault = paramValueFault(*info, v); !fault.empty()) refuse(key, fault);
        if (!storeParam(p, *info, v)) {
            const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
            refuse(key, "the value " + quoteText(text, 80) + " is out of range");
        }
    }
}

void readRun(const Json& section, ParamSet& p, Unknown& unknown)
{
    bool stepsGiven = false;
    for (const auto& [key, value] : section.items()) {
        const ParamInfo* info = findParam(key);
        if (key == kStepsKey) {
            const int64_t n = readWhole(key, value);
            if (n < 1 || n > kMaxSteps || (n - 1) % kStepsPerCycle != 0)
                refuse(key, "expected 24 * cycles + 1 steps, at most 90000");
            p.N = static_cast<int32_t>(n);
            stepsGiven = true;
        } else if (info && info->group == ParamGroup::Run && info->kind == ParamKind::Step) {
            const int item = tuneItemIndex(readReal(key, value));
            if (item < 0) refuse(key, "the step is none the window offers");
            p.step = kTuneItems[static_cast<size_t>(item)].degrees * kRadPerDeg;
        } else if (info && info->group == ParamGroup::Run && info->kind == ParamKind::Cycles) {
            const int64_t cycles = readWhole(key, value);
            if (cycles < 0 || cycles > INT32_MAX) refuse(key, "expected a count from 0");
            p.cycles = static_cast<int32_t>(cycles);
        } else if (info && info->group == ParamGroup::Run && info->kind == ParamKind::Mode) {
            const int64_t mode = readWhole(key, value);
            if (mode != 360 && mode != 720) refuse(key, "expected 360 or 720");
            p.mode = mode == 720 ? 1 : 0;
        } else if (info && info->group == ParamGroup::Run && info->kind == ParamKind::Period) {
            const int64_t period = readWhole(key, value);
            if (period != 360 && period != 720) refuse(key, "expected 360 or 720");
            p.period = static_cast<int32_t>(period);
        } else {
            unknown.add(std::string(kRunSection) + "." + key);
        }
    }
    // A file without the step count takes the one its cycle count gives, where the window would.
    const int64_t fromCycles = int64_t{kStepsPerCycle} * p.cycles + 1;
    if (!stepsGiven && section.contains("cycles") && fromCycles <= kMaxSteps)
        p.N = static_cast<int32_t>(fromCycles);
}

// The load: its kind and direction by name, then its points, each an array of exact texts
// ([angle, Q] or [s, Q toward, Q away]), one point a line.
constexpr const char* kLoadSection = "load";
constexpr std::pair<LoadKind, const char*> kLoadKinds[] = {
    {LoadKind::None, "none"}, {LoadKind::ByAngle, "angle"}, {LoadKind::ByStroke, "stroke"}};
constexpr std::pair<LoadDirection, const char*> kLoadDirections[] = {
    {LoadDirection::TowardCrank, "toward_crank"}, {LoadDirection::AlongY, "along_y"}};

Json writeLoad(const ParamSet& p)
{
    Json section = Json::object();
    for (const auto& [kind, name] : kLoadKinds)
        if (kind == p.load.kind) section["kind"] = name;
    for (const auto& [direction, name] : kLoadDirections)
        if (direction == p.load.direction) section["direction"] = name;
    Json points = Json::array();
    for (const LoadPoint& point : p.load.points) {
        Json row = Json::array({fullPrecisionText(point.x), fullPrecisionText(point.force)});
        if (p.load.kind == LoadKind::ByStroke) row.push_back(fullPrecisionText(point.forceAway));
        points.push_back(std::move(row));
    }
    section["points"] = std::move(points);
    return section;
}

template <class T, size_t K>
T readName(const std::string& key, const Json& v, const std::pair<T, const char*> (&names)[K])
{
    if (v.is_string())
        for (const auto& [value, name] : names)
            if (v.get_ref<const std::string&>() == name) return value;
    std::string expected;
    for (const auto& entry : names)
        expected += (expected.empty() ? "" : ", ") + std::string(entry.second);
    refuse(key, "expected one of " + expected);
}

void readLoad(const Json& section, ParamSet& p, Unknown& unknown)
{
    LoadTable load;
    const Json* points = nullptr;
    for (const auto& [key, value] : section.items()) {
        if (key == "kind")
            load.kind = readName(key, value, kLoadKinds);
        else if (key == "direction")
            load.direction = readName(key, value, kLoadDirections);
        else if (key == "points")
            points = &value;
        else
            unknown.add(std::string(kLoadSection) + "." + key);
    }
    if (points) {
        if (!points->is_array()) refuse("load.points", "expected an array of points");
        if (points->size() > kMaxLoadPoints)
            refuse("load.points", "more than " + std::to_string(kMaxLoadPoints) + " points");
        const size_t columns = load.kind == LoadKind::ByStroke ? 3 : 2;
        for (const Json& row : *points) {
            const std::string key = "load.points[" + std::to_string(load.points.size()) + "]";
            if (!row.is_array() || row.size() != columns)
                refuse(key, "expected " + std::to_string(columns) + " numbers");
            LoadPoint point;
            point.x = readReal(key, row[0]);
            point.force = readReal(key, row[1]);
            if (columns == 3) point.forceAway = readReal(key, row[2]);
            load.points.push_back(point);
        }
    }
    // The same rules as a table read from CSV; the period is the run section's, read before.
    if (const auto fault = checkLoadTable(load, p.period))
        refuse("load.points[" + std::to_string(fault->point) + "]", fault->why);
    p.load = std::move(load);
}

// The sections that describe one parameter set: the project's own, and each variant's.
struct Section {
    const char* name;
    Json (*write)(const ParamSet&);
    void (*read)(const Json&, ParamSet&, Unknown&);
};
const Section kSections[] = {
    {kParametersSection, writeParameters, readParameters},
    {kRunSection, writeRun, readRun},
    {kLoadSection, writeLoad, readLoad},
};

void writeSet(Json& object, const ParamSet& p)
{
    for (const Section& s : kSections)
        object[s.name] = s.write(p);
}

// Reads one set section of `object`; false when `key` names none. The load is only noted, to be
// read last: it is checked against the period of the run section, wherever that stands.
bool readSetSection(const std::string& key, const Json& value, ParamSet& p, Unknown& unknown,
                    const Json*& load)
{
    const auto section = std::find_if(std::begin(kSections), std::end(kSections),
                                      [&](const Section& s) { return key == s.name; });
    if (section == std::end(kSections)) return false;
    if (!value.is_object()) refuse(key, "expected an object");
    if (key == kLoadSection)
        load = &value;
    else
        section->read(value, p, unknown);
    return true;
}

// ---- Variants and the report's charts --------------------------------------------------

constexpr const char* kVariantsSection = "variants";
constexpr const char* kCommentKey = "comment";
constexpr const char* kReportSection = "report";
constexpr size_t kMaxNameBytes = 1000;

Json writeVariant(const Variant& v)
{
    Json object = Json::object();
    object["name"] = v.name;
    writeSet(object, v.params);
    Json figures = Json::object();
    const auto table = keyFigures();
    for (size_t f = 0; f < table.size() && f < v.figures.size(); ++f)
        if (v.figures[f]) figures[table[f].key] = fullPrecisionText(*v.figures[f]);
    object["figures"] = std::move(figures);
    return object;
}

Variant readVariant(const Json& object, size_t index, Unknown& unknown)
{
    const std::string where = std::string(kVariantsSection) + "[" + std::to_string(index) + "]";
    if (!object.is_object()) refuse(where, "expected an object");
    Variant v;
    setDefaults(v.params);
    v.figures.resize(keyFigures().size());
    const Json* load = nullptr;
    for (const auto& [key, value] : object.items()) {
        if (key == "name") {
            if (!value.is_string() || value.get_ref<const std::string&>().size() > kMaxNameBytes)
                refuse(where + ".name", "expected a name of at most 1000 bytes");
            v.name = value.get<std::string>();
        } else if (key == "figures") {
            if (!value.is_object()) refuse(where + ".figures", "expected an object");
            for (const auto& [figure, text] : value.items()) {
                const KeyFigure* f = findKeyFigure(figure.c_str());
                if (!f) {
                    unknown.add(where + ".figures." + figure);
                    continue;
                }
                v.figures[static_cast<size_t>(f - keyFigures().data())] = readReal(figure, text);
            }
        } else if (!readSetSection(key, value, v.params, unknown, load)) {
            unknown.add(where + "." + key);
        }
    }
    if (load) readLoad(*load, v.params, unknown);
    return v;
}

Json writeReport(const std::vector<std::string>& charts)
{
    Json object = Json::object();
    object["charts"] = charts;
    return object;
}

std::vector<std::string> readReport(const Json& object, Unknown& unknown)
{
    if (!object.is_object()) refuse(kReportSection, "expected an object");
    std::vector<std::string> charts;
    for (const auto& [key, value] : object.items()) {
        if (key != "charts") {
            unknown.add(std::string(kReportSection) + "." + key);
            continue;
        }
        if (!value.is_array() || value.size() > 64)
            refuse("report.charts", "expected a list of at most 64 chart names");
        for (const Json& name : value) {
            if (!name.is_string() || name.get_ref<const std::string&>().size() > 64)
                refuse("report.charts", "expected chart names of at most 64 bytes");
            charts.push_back(name.get<std::string>());
        }
    }
    return charts;
}

// "1.0" -> 1; false for anything else.
bool majorVersion(const Json& v, int64_t& major)
{
    if (!v.is_string()) return false;
    const std::string& s = v.get_ref<const std::string&>();
    const size_t dot = s.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == s.size() || dot > 6) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (i != dot && (s[i] < '0' || s[i] > '9')) return false;
    major = std::stoll(s.substr(0, dot));
    return true;
}

// The parser recurses once per level and its values are freed the same way: a deep nest is
// refused before it is parsed.
void checkDepth(std::string_view text)
{
    int depth = 0;
    bool inString = false, escaped = false;
    for (char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxProjectDepth)
                throw ProjectError("the project nests deeper than " +
                                   std::to_string(kMaxProjectDepth) + " levels");
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
}

} // namespace

std::string projectText(const Project& project)
{
    Json doc = Json::object();
    doc["format"] = kProjectFormatName;
    doc["version"] =
        std::to_string(kProjectFormatMajor) + "." + std::to_string(kProjectFormatMinor);
    doc["program"] = std::string("kinovar ") + kKinovarVersion;
    // Only when there is one: a project without a comment keeps the shape older versions wrote.
    if (!project.comment.empty()) doc[kCommentKey] = project.comment;
    writeSet(doc, project.params);
    // A project without variants or a chart choice keeps the shape older versions wrote.
    if (!project.variants.empty()) {
        Json variants = Json::array();
        for (const Variant& v : project.variants)
            variants.push_back(writeVariant(v));
        doc[kVariantsSection] = std::move(variants);
    }
    if (project.reportCharts) doc[kReportSection] = writeReport(*project.reportCharts);
    return doc.dump(2) + "\n";
}

std::string projectText(const ParamSet& p)
{
    return projectText(Project{p, {}, std::nullopt, {}});
}

void writeProject(TextWriter& out, const Project& project)
{
    out.writeRaw(projectText(project));
}

void writeProject(const std::string& path, const Project& project)
{
    const std::string text = projectText(project); // refused before the file is touched
    TextWriter out(path);
    out.writeRaw(text);
    out.close();
}

void writeProject(TextWriter& out, const ParamSet& p)
{
    writeProject(out, Project{p, {}, std::nullopt, {}});
}

void writeProject(const std::string& path, const ParamSet& p)
{
    writeProject(path, Project{p, {}, std::nullopt, {}});
}

ProjectContent parseProject(std::string_view text)
{
    checkDepth(text);
    Json doc;
    try {
        doc = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& e) {
        throw ProjectError("not a project file: " + quoteText(e.what(), 160));
    }
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != kProjectFormatName)
        throw ProjectError("not a project file: no \"format\": \"" +
                           std::string(kProjectFormatName) + "\"");
    int64_t major = 0;
    if (!doc.contains("version") || !majorVersion(doc["version"], major))
        refuse("version", "expected a format version such as \"1.0\"");
    if (major > kProjectFormatMajor)
        throw ProjectError("the project is of format version " + doc["version"].get<std::string>() +
                           ", newer than this program reads (" +
                           std::to_string(kProjectFormatMajor) + ".x): use a newer Kinovar");

    ProjectContent out;
    setDefaults(out.params);
    Unknown unknown{out.unknownKeys};
    const Json* load = nullptr;
    for (const auto& [key, value] : doc.items()) {
        if (key == "format" || key == "version" || key == "program") continue;
        if (readSetSection(key, value, out.params, unknown, load)) continue;
        if (key == kVariantsSection) {
            if (!value.is_array()) refuse(key, "expected an array of variants");
            if (value.size() > kMaxVariants)
                refuse(key, "more than " + std::to_string(kMaxVariants) + " variants");
            for (const Json& v : value)
                out.variants.push_back(readVariant(v, out.variants.size(), unknown));
        } else if (key == kReportSection) {
            out.reportCharts = readReport(value, unknown);
        } else if (key == kCommentKey) {
            if (!value.is_string() ||
                value.get_ref<const std::string&>().size() > kMaxProjectCommentBytes)
                refuse(key, "expected a text of at most " +
                                std::to_string(kMaxProjectCommentBytes) + " bytes");
            out.comment = value.get<std::string>();
        } else {
            unknown.add(key);
        }
    }
    if (load) readLoad(*load, out.params, unknown);
    return out;
}

ProjectContent readProject(const std::string& path)
{
    TextReader in(path);
    in.skipByteOrderMark();
    std::string text;
    for (int lineNo = 1; !in.atEnd(); ++lineNo) {
        const std::string line = in.readLine();
        if (in.lineCut())
            throw ProjectError("line " + std::to_string(lineNo) + " is longer than " +
                               std::to_string(kMaxLineBytes) + " bytes");
        text += line;
        text += '\n';
        if (text.size() > kMaxProjectBytes)
            throw ProjectError("the file is larger than " + std::to_string(kMaxProjectBytes) +
                               " bytes");
    }
    return parseProject(text);
}

std::string unknownKeysMemo(const std::vector<std::string>& keys)
{
    if (keys.empty()) return {};
    std::string memo = "Неизвестные ключи проекта пропущены:";
    for (size_t k = 0; k < keys.size(); ++k)
        memo += (k ? ", " : " ") + quoteText(keys[k], 60);
    return elideMiddle(memo, 1000);
}
