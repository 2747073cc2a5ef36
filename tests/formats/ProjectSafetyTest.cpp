// SPDX-License-Identifier: GPL-3.0-or-later
// The project file under hostile input and at its limits: what the reader refuses, and that the
// writer never writes what the reader would refuse.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <iostream>
#include <random>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "formats/ProjectFile.h"
#include "formats/ProjectSections.h"
#include "params/ParamTable.h"
#include "support/ScratchFiles.h"

namespace {

const std::string kHead = R"({"format": "kinovar-project", "version": "1.0", )";

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

std::string refusal(const std::string& text)
{
    try {
        parseProject(text);
    } catch (const ProjectError& e) {
        return e.what();
    }
    return "accepted";
}

std::string manyKeys(size_t count)
{
    std::string keys;
    for (size_t k = 0; k < count; ++k)
        keys += (k ? ", \"k" : "\"k") + std::to_string(k) + "\": 1";
    return keys;
}

// A stroke table of `rows` rows whose every row takes the same bytes: 18 significant digits a
// force, so that the file's size grows by the same amount with each row.
LoadTable evenTable(size_t rows)
{
    LoadTable t;
    t.kind = LoadKind::ByStroke;
    for (size_t k = 0; k < rows; ++k) {
        std::string digits = std::to_string(k);
        digits.insert(0, 6 - digits.size(), '0');
        const long double force = ParseReal("5" + digits + "1234.5678901", '.');
        t.points.push_back({ParseReal("0.1" + digits + "1", '.'), force, -force});
    }
    return t;
}

} // namespace

TEST(ProjectSafety, HostileProjectsAreRefusedNamingTheKeyOrTheOffset)
{
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        // Values beyond the range of a double, wherever they stand.
        {kHead + R"("variants": [{"figures": {"flywheel": "1e4000"}}]})",
         "'variants[0].figures.flywheel': the value 1e4000 lies beyond the range of a double"},
        {kHead + R"("variants": [{"figures": {"flywheel": "-1e309"}}]})",
         "'variants[0].figures.flywheel': the value -1e309 lies beyond"},
        {kHead + R"("load": {"kind": "none", "points": [["0", "1e4000"]]}})",
         "'load.points[0]': the value 1e4000 lies beyond"},
        {kHead + R"("variants": [{}, {"load": {"kind": "none", "points": [["1e309", "0"]]}}]})",
         "'variants[1].load.points[0]'"},
        // A cycle count the batch's --set refuses.
        {kHead + R"("run": {"cycles": 3750}})", "'cycles': 3750 cycles exceed the limit"},
        // A key twice: the parser would keep the last silently.
        {kHead + R"("parameters": {"l1": "5"}, "parameters": {"l2": "30"}})",
         "'parameters': the key is given twice"},
        {kHead + R"("variants": [{}, {"run": {"mode": 360, "mode": 720}}]})",
         "'variants[1].run.mode': the key is given twice"},
        // Text after a NUL would go unread.
        {kHead + std::string("\"parameters\": {}}\0{\"l1\": \"5\"}", 29),
         "a NUL byte at offset " + std::to_string(kHead.size() + 17)},
        // Too many keys in one object.
        {kHead + R"("parameters": {)" + manyKeys(kMaxProjectKeys + 1) + "}}",
         "more than " + std::to_string(kMaxProjectKeys) + " keys in one object"},
        // The parser's message, without its internal prefix, at an editor's line and column.
        {kHead + "\n  \"parameters\": {x}}", "not a project file: line 2, column 18: syntax"},
        // The load checked against the period of the file, wherever the run section stands.
        {kHead + R"("load": {"kind": "angle", "points": [["500", "1"]]}, "run": {"period": 360}})",
         "'load.points[0]'"},
    };
    for (const auto& c : cases) {
        const std::string message = refusal(c.text);
        EXPECT_NE(message.find(c.message), std::string::npos) << c.text << "\n -> " << message;
        EXPECT_EQ(message.find("json.exception"), std::string::npos) << message;
    }
}

TEST(ProjectSafety, EveryRefusalHasItsRussianText)
{
    const struct {
        std::string text;
        const char* russian;
    } cases[] = {
        {"{", "это не файл проекта: ошибка JSON, строка 1, столбец 2"},
        {kHead + R"("parameters": {"l1": "x"}})", "ключ проекта «l1»: «x» не число"},
        {kHead + R"("parameters": {}, "parameters": {}})",
         "ключ проекта «parameters» задан дважды"},
        {kHead + R"("run": {"cycles": 3750}})", "3750 циклов превышают предел в 90000 шагов"},
        {R"({"format": "kinovar-project", "version": "3.0"})", "новее, чем читает эта программа"},
    };
    for (const auto& c : cases) {
        try {
            parseProject(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ProjectError& e) {
            EXPECT_NE(windowMessage(e).find(c.russian), std::string::npos) << windowMessage(e);
        }
    }
}

TEST(ProjectSafety, TheCycleCountSavedIsTheOneInForce)
{
    ParamSet p;
    setDefaults(p); // N = 25 after "Новый", whatever count the box held before
    p.cycles = 100;
    const std::string text = projectText(p);
    EXPECT_NE(text.find("\"cycles\": 1,\n    \"steps\": 25"), std::string::npos) << text;
    // A file saved before, with the contradiction, reads as what was in force: 25 steps.
    const ProjectContent old = parseProject(kHead + R"("run": {"cycles": 100, "steps": 25}})");
    EXPECT_EQ(old.params.N, 25);
    EXPECT_EQ(old.params.cycles, 1);
    // A count alone gives its steps; the largest one allowed still reads.
    EXPECT_EQ(parseProject(kHead + R"("run": {"cycles": 3749}})").params.N, 89977);
    // Without a run section the defaults' 25 steps are one cycle, in the set and in a variant,
    // so that the set written and read again is the same.
    const ProjectContent none = parseProject(kHead + R"("variants": [{"name": "a"}]})");
    EXPECT_EQ(none.params.cycles, 1);
    EXPECT_EQ(none.variants.at(0).params.cycles, 1);
    EXPECT_EQ(parseProject(projectText(none.params)).params.cycles, 1);
}

TEST(ProjectSafety, TheWriterRefusesWhatTheReaderWouldRefuseAndWritesNothing)
{
    ScratchDir dir;
    const std::string path = dir.file("p.kinovar");
    writeBytes(path, "old");
    const auto refused = [&](const Project& project, const char* message) {
        try {
            writeProject(path, project);
            ADD_FAILURE() << "written: " << message;
        } catch (const ProjectError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        EXPECT_EQ(readBytes(path), "old") << message;
    };
    ParamSet p;
    setDefaults(p);
    ParamSet outside = p; // a table by angle over 720 degrees, the period then set to 360
    outside.load.kind = LoadKind::ByAngle;
    outside.load.points = {{0, 1, 0}, {500, 2, 0}};
    refused(Project{outside, {}, std::nullopt, {}}, "'load.points[1]'");
    ParamSet badSteps = p;
    badSteps.N = 26;
    refused(Project{badSteps, {}, std::nullopt, {}}, "'run.steps'");
    ParamSet none = p; // a table of kind none keeps its points: they must read back too
    none.load.points = {{0, 1e4000L, 0}};
    refused(Project{none, {}, std::nullopt, {}}, "beyond the range of a double");
    Variant v{"v", p, std::vector<std::optional<long double>>(keyFigures().size())};
    v.figures[0] = 1e4000L;
    refused(Project{p, {v}, std::nullopt, {}}, "'variants[0].figures.");
    v.figures[0] = 1e-4940L; // an underflow passes, as for every parameter
    EXPECT_NO_THROW(projectText(Project{p, {v}, std::nullopt, {}}));
}

TEST(ProjectSafety, LongTablesTakeARowALineInTheShortestExactText)
{
    // The issue's case: a table of 100 000 rows read from a CSV with short numbers, kept by the
    // project and by two variants.
    ParamSet p;
    setDefaults(p);
    p.load.kind = LoadKind::ByStroke;
    for (int k = 0; k < int(kMaxLoadPoints); ++k)
        p.load.points.push_back({ParseReal(std::to_string(k) + "e-5", '.'),
                                 ParseReal(std::to_string(k % 977) + ".25", '.'),
                                 ParseReal("-" + std::to_string(k % 89) + ".5", '.')});
    const Project project{p, {Variant{"a", p, {}}, Variant{"b", p, {}}}, std::nullopt, {}};
    const std::string text = projectText(project);
    EXPECT_LT(text.size(), kMaxProjectBytes);
    std::cout << "100 000-row project with two variants: " << text.size() << " bytes\n";
    EXPECT_NE(text.find("\n      [\"0.00123\", \"123.25\", \"-34.5\"],\n"), std::string::npos);
    const ProjectContent back = parseProject(text);
    ASSERT_EQ(back.variants.size(), 2u);
    EXPECT_EQ(back.params.load, p.load);
    EXPECT_EQ(back.variants[1].params.load, p.load);
}

TEST(ProjectSafety, ShortExactTextReadsBackBitForBit)
{
    std::mt19937_64 rng(32);
    const long double edges[] = {0.1L,         1e-5L,        123456789012345678901.0L,
                                 -0.0L,        1e21L,        9.999999999999999999e20L,
                                 DBL_MAX,      DBL_TRUE_MIN, 0x1p-16445L,
                                 0.000012345L, 99999.5L,     5e-324L};
    for (const long double v : edges) {
        const std::string text = shortExactText(v);
        EXPECT_TRUE(sameBits(ParseReal(text, '.'), v)) << text;
        EXPECT_LE(text.size(), exactText(v).size()) << text;
    }
    for (int k = 0; k < 20000; ++k) {
        long double v = std::ldexp(static_cast<long double>(rng()), int(rng() % 200) - 160);
        if (k % 2)
            v = ParseReal(std::to_string(rng() % 100000) + "e-" + std::to_string(k % 9), '.');
        const std::string text = shortExactText(v);
        ASSERT_TRUE(sameBits(ParseReal(text, '.'), v)) << text;
    }
    EXPECT_EQ(shortExactText(ParseReal("0.1", '.')), "0.1");
    EXPECT_EQ(shortExactText(ParseReal("1e-5", '.')), "0.00001");
    EXPECT_EQ(shortExactText(ParseReal("-1.5e-7", '.')), "-1.5e-7");
    EXPECT_EQ(shortExactText(120), "120");
}

TEST(ProjectSafety, AtTheSizeLimitTheWriterAndTheReaderAgree)
{
    // Three tables fill the file; the name of a variant brings it to the byte.
    ParamSet p;
    setDefaults(p);
    const LoadTable table = evenTable(kMaxLoadPoints);
    const auto sized = [&](size_t rows, size_t nameBytes) {
        ParamSet s = p;
        s.load.kind = LoadKind::ByStroke;
        s.load.points.assign(table.points.begin(), table.points.begin() + long(rows));
        return Project{
            s, {Variant{std::string(nameBytes, 'n'), s, {}}, Variant{"", s, {}}}, std::nullopt, {}};
    };
    const size_t at1000 = projectText(sized(1000, 0)).size();
    const size_t perRow = (projectText(sized(2000, 0)).size() - at1000) / 1000;
    const size_t rows = 1000 + (kMaxProjectBytes - at1000) / perRow;
    ASSERT_LE(rows, kMaxLoadPoints);
    const size_t room = kMaxProjectBytes - (at1000 + (rows - 1000) * perRow);
    ASSERT_LE(room, 1000u) << "a name of at most 1000 bytes brings the file to its limit";
    const Project full = sized(rows, room);
    ScratchDir dir;
    writeProject(dir.file("full.kinovar"), full);
    ASSERT_EQ(readBytes(dir.file("full.kinovar")).size(), kMaxProjectBytes);
    const ProjectContent back = readProject(dir.file("full.kinovar"));
    EXPECT_EQ(back.variants[0].name, full.variants[0].name);
    EXPECT_EQ(back.params.load, full.params.load);
    EXPECT_EQ(back.variants[1].params.load, full.variants[1].params.load);
    // One byte more is refused before anything is written.
    writeBytes(dir.file("over.kinovar"), "old");
    EXPECT_THROW(writeProject(dir.file("over.kinovar"), sized(rows, room + 1)), ProjectError);
    EXPECT_EQ(readBytes(dir.file("over.kinovar")), "old");
}

TEST(ProjectSafety, UnknownKeysAreCountedAndTheFirstListed)
{
    const ProjectContent read =
        parseProject(kHead + R"("parameters": {)" + manyKeys(25) + R"(}, "hue": 1})");
    ASSERT_EQ(read.unknownKeys.size(), kListedUnknownKeys);
    EXPECT_EQ(read.unknownKeys.front(), "parameters.k0");
    EXPECT_EQ(read.unknownKeyCount, 26u);
    EXPECT_TRUE(unknownKeysMemo(read.unknownKeys, read.unknownKeyCount).ends_with(" …и ещё 6"));
    EXPECT_TRUE(unknownKeysNote(read.unknownKeys, read.unknownKeyCount).ends_with(" …and 6 more"));
    EXPECT_EQ(unknownKeysNote({"a"}, 1), "a");
}
