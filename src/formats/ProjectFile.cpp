// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ProjectFile.h"

#include <algorithm>
#include <cstdint>

#include "base/BuildInfo.h"
#include "base/MessageText.h"
#include "base/UiText.h"
#include "formats/ProjectJson.h"
#include "formats/ProjectSections.h"
#include "params/RunSettings.h"

namespace {

using Json = ProjectJson;

// ---- Variants and the report's charts --------------------------------------------------

constexpr const char* kVariantsSection = "variants";
constexpr const char* kReportSection = "report";
constexpr const char* kCommentKey = "comment";
constexpr size_t kMaxNameBytes = 1000;

std::string variantWhere(size_t index)
{
    return std::string(kVariantsSection) + "[" + std::to_string(index) + "]";
}

// A figure must read back as every real of the file does: one too large for a double would be
// printed as "1e+4000". An underflow passes, as for every parameter: a run with a mass of 1e-4000
// (which the table takes) gives such figures, and its project must still save.
long double checkedFigure(const std::string& key, long double v)
{
    if (!withinDoubleRange(v))
        refuseKey(key, "the value " + shortExactText(v) + " lies beyond the range of a double",
                  "значение " + shortExactText(v) + " вне диапазона double");
    return v;
}

Json writeVariant(const Variant& v, size_t index)
{
    const std::string where = variantWhere(index);
    Json object = Json::object();
    object["name"] = v.name;
    writeSet(object, v.params, where);
    Json figures = Json::object();
    const auto table = keyFigures();
    for (size_t f = 0; f < table.size() && f < v.figures.size(); ++f)
        if (v.figures[f])
            figures[table[f].key] =
                exactText(checkedFigure(where + ".figures." + table[f].key, *v.figures[f]));
    object["figures"] = std::move(figures);
    return object;
}

Variant readVariant(const Json& object, size_t index, UnknownKeys& unknown)
{
    const std::string where = variantWhere(index);
    if (!object.is_object()) refuseKey(where, "expected an object", "ожидался объект");
    Variant v;
    setDefaults(v.params);
    v.figures.resize(keyFigures().size());
    const Json* load = nullptr;
    for (const auto& [key, value] : object.items()) {
        if (key == "name") {
            if (!value.is_string() || value.get_ref<const std::string&>().size() > kMaxNameBytes)
                refuseKey(where + ".name", "expected a name of at most 1000 bytes",
                          "ожидалось имя не длиннее 1000 байт");
            v.name = value.get<std::string>();
        } else if (key == "figures") {
            if (!value.is_object())
                refuseKey(where + ".figures", "expected an object", "ожидался объект");
            for (const auto& [figure, text] : value.items()) {
                const KeyFigure* f = findKeyFigure(figure.c_str());
                if (!f) {
                    unknown.add(where + ".figures." + figure);
                    continue;
                }
                const std::string name = where + ".figures." + figure;
                v.figures[static_cast<size_t>(f - keyFigures().data())] =
                    checkedFigure(name, readReal(name, text));
            }
        } else if (!readSetSection(key, value, v.params, unknown, load, where)) {
            unknown.add(where + "." + key);
        }
    }
    if (load) readLoad(*load, v.params, unknown, where);
    v.params.cycles = (v.params.N - 1) / kStepsPerCycle; // what N gives, run section or none
    return v;
}

Json writeReport(const std::vector<std::string>& charts)
{
    if (charts.size() > 64 || std::any_of(charts.begin(), charts.end(),
                                          [](const std::string& c) { return c.size() > 64; }))
        refuseKey("report.charts", "expected a list of at most 64 chart names of 64 bytes",
                  "ожидалось не больше 64 имён графиков по 64 байта");
    Json object = Json::object();
    object["charts"] = charts;
    return object;
}

std::vector<std::string> readReport(const Json& object, UnknownKeys& unknown)
{
    if (!object.is_object()) refuseKey(kReportSection, "expected an object", "ожидался объект");
    std::vector<std::string> charts;
    for (const auto& [key, value] : object.items()) {
        if (key != "charts") {
            unknown.add(std::string(kReportSection) + "." + key);
            continue;
        }
        if (!value.is_array() || value.size() > 64)
            refuseKey("report.charts", "expected a list of at most 64 chart names",
                      "ожидалось не больше 64 имён графиков");
        for (const Json& name : value) {
            if (!name.is_string() || name.get_ref<const std::string&>().size() > 64)
                refuseKey("report.charts", "expected chart names of at most 64 bytes",
                          "ожидались имена графиков не длиннее 64 байт");
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

std::string sizeText(size_t bytes)
{
    return std::to_string(bytes);
}

// The reader's limits, checked on the text about to be written: the reader counts a file's
// bytes with every line end as one LF, which is how the text ends its lines.
void checkReadable(const std::string& text)
{
    if (text.size() > kMaxProjectBytes)
        throw ProjectError(
            "the project would take " + sizeText(text.size()) + " bytes, more than the " +
                sizeText(kMaxProjectBytes) +
                " a project file may hold: shorten the load tables or keep fewer variants",
            "проект занял бы " + sizeText(text.size()) + " байт, больше предела файла проекта (" +
                sizeText(kMaxProjectBytes) +
                " байт): сократите таблицы нагрузки или оставьте меньше вариантов");
    size_t start = 0, line = 1;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1, ++line)
        if (end - start > kMaxLineBytes)
            throw ProjectError("line " + std::to_string(line) +
                                   " of the project would be longer than " +
                                   std::to_string(kMaxLineBytes) + " bytes",
                               "строка " + std::to_string(line) + " проекта была бы длиннее " +
                                   std::to_string(kMaxLineBytes) + " байт");
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
    writeSet(doc, project.params, "");
    // A project without variants or a chart choice keeps the shape older versions wrote.
    if (!project.variants.empty()) {
        if (project.variants.size() > kMaxVariants)
            refuseKey(kVariantsSection, "more than " + std::to_string(kMaxVariants) + " variants",
                      "больше " + std::to_string(kMaxVariants) + " вариантов");
        Json variants = Json::array();
        for (const Variant& v : project.variants)
            variants.push_back(writeVariant(v, variants.size()));
        doc[kVariantsSection] = std::move(variants);
    }
    if (project.reportCharts) doc[kReportSection] = writeReport(*project.reportCharts);
    std::string text = projectJsonText(doc);
    checkReadable(text);
    return text;
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
    out.save();
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
    Json doc = parseProjectJson(text);
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != kProjectFormatName)
        throw ProjectError(
            "not a project file: no \"format\": \"" + std::string(kProjectFormatName) + "\"",
            "это не файл проекта: нет \"format\": \"" + std::string(kProjectFormatName) + "\"");
    int64_t major = 0;
    if (!doc.contains("version") || !majorVersion(doc["version"], major))
        refuseKey("version", "expected a format version such as \"1.0\"",
                  "ожидалась версия формата вида \"1.0\"");
    if (major > kProjectFormatMajor)
        throw ProjectError("the project is of format version " + doc["version"].get<std::string>() +
                               ", newer than this program reads (" +
                               std::to_string(kProjectFormatMajor) + ".x): use a newer Kinovar",
                           "проект в формате версии " + doc["version"].get<std::string>() +
                               ", новее, чем читает эта программа (" +
                               std::to_string(kProjectFormatMajor) +
                               ".x): нужна более новая версия Kinovar");

    ProjectContent out;
    setDefaults(out.params);
    UnknownKeys unknown{out.unknownKeys, out.unknownKeyCount};
    const Json* load = nullptr;
    for (const auto& [key, value] : doc.items()) {
        if (key == "format" || key == "version" || key == "program") continue;
        if (readSetSection(key, value, out.params, unknown, load, "")) continue;
        if (key == kVariantsSection) {
            if (!value.is_array())
                refuseKey(key, "expected an array of variants", "ожидался массив вариантов");
            if (value.size() > kMaxVariants)
                refuseKey(key, "more than " + std::to_string(kMaxVariants) + " variants",
                          "больше " + std::to_string(kMaxVariants) + " вариантов");
            for (const Json& v : value)
                out.variants.push_back(readVariant(v, out.variants.size(), unknown));
        } else if (key == kReportSection) {
            out.reportCharts = readReport(value, unknown);
        } else if (key == kCommentKey) {
            if (!value.is_string() ||
                value.get_ref<const std::string&>().size() > kMaxProjectCommentBytes) {
                const std::string most = std::to_string(kMaxProjectCommentBytes);
                refuseKey(key, "expected a text of at most " + most + " bytes",
                          "ожидался текст не длиннее " + most + " байт");
            }
            out.comment = value.get<std::string>();
        } else {
            unknown.add(key);
        }
    }
    if (load) readLoad(*load, out.params, unknown, "");
    // The cycle count read is the one the step count gives, whether or not the file has a run
    // section: a set read with the defaults' steps would otherwise keep a count of 0.
    out.params.cycles = (out.params.N - 1) / kStepsPerCycle;
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
                                   std::to_string(kMaxLineBytes) + " bytes",
                               "строка " + std::to_string(lineNo) + " длиннее " +
                                   std::to_string(kMaxLineBytes) + " байт");
        text += line;
        text += '\n';
        if (text.size() > kMaxProjectBytes)
            throw ProjectError("the file is larger than " + sizeText(kMaxProjectBytes) + " bytes",
                               "файл больше " + sizeText(kMaxProjectBytes) +
                                   " байт, предела файла проекта");
    }
    return parseProject(text);
}

std::string unknownKeysMemo(const std::vector<std::string>& keys, size_t total)
{
    if (keys.empty()) return {};
    std::string memo = uiText("Project", "Неизвестные ключи проекта пропущены:");
    for (size_t k = 0; k < keys.size(); ++k)
        memo += (k ? ", " : " ") + quoteText(keys[k], 60);
    if (total > keys.size())
        memo += fillIn(uiText("Project", " …и ещё %1"), {std::to_string(total - keys.size())});
    return elideMiddle(memo, 1000);
}

std::string unknownKeysNote(const std::vector<std::string>& keys, size_t total)
{
    std::string note;
    for (const std::string& key : keys)
        note += (note.empty() ? "" : ", ") + quoteText(key, 60);
    if (total > keys.size()) note += " …and " + std::to_string(total - keys.size()) + " more";
    return note;
}
