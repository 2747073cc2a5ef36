// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

#include "base/Errors.h"
#include "formats/ProjectFile.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"
#include "support/ScratchFiles.h"

namespace {

// The ten bytes of an x87 value: bit-exact equality, so -0 differs from +0.
bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// A random long double with random sign, significand and exponent from the smallest denormal up
// to the largest value a double can take.
long double randomExtended(std::mt19937_64& rng)
{
    const uint64_t bits = rng();
    const int exponent = int(rng() % (1024 + 16445)) - 16445;
    long double v = std::ldexp(static_cast<long double>(bits | (1ull << 63)), exponent - 63);
    if (std::isinf(static_cast<double>(v))) v = DBL_MAX;
    return (rng() & 1) ? -v : v;
}

double randomDouble(std::mt19937_64& rng)
{
    uint64_t bits = rng();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return std::isfinite(d) ? d : -DBL_MIN;
}

// Values that sit at the edges: the limits of the double range, denormals of both widths, signed
// zeros, the extended value just below the double overflow.
const long double kEdges[] = {DBL_MAX,      -DBL_MAX,    0x1.fffffffffffff7fep1023L,
                              DBL_TRUE_MIN, 0x1p-16445L, -0x1.fffffffffffffffep-16383L,
                              LDBL_MIN,     -0.0L,       0.0L,
                              0.1L,         1e-4000L};

void expectSameProject(const ParamSet& a, const ParamSet& b)
{
    for (const ParamInfo& info : kParams) {
        if ((info.files & kInProject) && info.group != ParamGroup::Run) {
            EXPECT_TRUE(sameBits(paramValue(a, info), paramValue(b, info))) << info.key;
        }
    }
    EXPECT_TRUE(sameBits(a.step, b.step));
    EXPECT_EQ(b.cycles, (a.N - 1) / 24); // the count in force is the one N gives
    EXPECT_EQ(a.N, b.N);
    EXPECT_TRUE(sameBits(a.mode, b.mode));
    EXPECT_EQ(a.period, b.period);
    EXPECT_EQ(a.load.kind, b.load.kind);
    EXPECT_EQ(a.load.direction, b.load.direction);
    ASSERT_EQ(a.load.points.size(), b.load.points.size());
    for (size_t k = 0; k < a.load.points.size(); ++k) {
        EXPECT_TRUE(sameBits(a.load.points[k].x, b.load.points[k].x));
        EXPECT_TRUE(sameBits(a.load.points[k].force, b.load.points[k].force));
        EXPECT_TRUE(sameBits(a.load.points[k].forceAway, b.load.points[k].forceAway));
    }
}

} // namespace

TEST(ProjectFile, RandomAndEdgeSetsComeBackBitForBit)
{
    ScratchDir dir;
    std::mt19937_64 rng(20261207);
    Project project; // every fifth round carries the sets of earlier rounds as its variants
    for (int round = 0; round < 300; ++round) {
        ParamSet p;
        setDefaults(p);
        int edge = round;
        for (const ParamInfo& info : kParams) {
            const bool useEdge = round < 40;
            const long double edgeValue = kEdges[size_t(edge++) % std::size(kEdges)];
            if (info.asDouble)
                p.*(info.asDouble) = useEdge ? static_cast<double>(edgeValue) : randomDouble(rng);
            else if (info.asExtended)
                p.*(info.asExtended) = useEdge ? edgeValue : randomExtended(rng);
            // Masses, inertias and the start-up's speed are never negative.
            if (info.group == ParamGroup::Mass || info.asExtended == &ParamSet::startSpeed)
                p.*(info.asExtended) = std::fabs(p.*(info.asExtended));
        }
        p.delta = std::ldexp(static_cast<long double>(rng() | 1), -64); // δ lies in (0, 1)
        p.step = kTuneItems[rng() % kTuneItems.size()].degrees * kRadPerDeg;
        p.cycles = int32_t(rng() % 5000); // above 3749 the window keeps the old N
        p.N = int32_t(24 * (rng() % 3750) + 1);
        p.mode = static_cast<long double>(rng() % 2);
        p.period = rng() % 2 ? 720 : 360;
        // Every other round a load: by angle over the period or by stroke, random forces.
        if (round % 2) {
            p.load.kind = round % 4 == 1 ? LoadKind::ByAngle : LoadKind::ByStroke;
            p.load.direction = rng() % 2 ? LoadDirection::AlongY : LoadDirection::TowardCrank;
            const long double span = p.load.kind == LoadKind::ByAngle ? p.period - 1 : 1;
            const int n = 1 + int(rng() % 20);
            for (int k = 0; k < n; ++k)
                p.load.points.push_back(
                    {span * k / n, randomExtended(rng) * 1e-300L, randomExtended(rng) * 1e-300L});
            if (p.load.kind == LoadKind::ByAngle)
                for (LoadPoint& point : p.load.points)
                    point.forceAway = 0;
        }
        project.params = p;
        if (round % 5 == 4) {
            Variant v{"вариант " + std::to_string(round) + " \"«»\\", p, {}};
            for (size_t f = 0; f < keyFigures().size(); ++f)
                v.figures.push_back(rng() % 3 ? std::optional(randomExtended(rng)) : std::nullopt);
            project.variants.push_back(v);
            if (project.variants.size() > 6) project.variants.erase(project.variants.begin());
            project.reportCharts = std::vector<std::string>(size_t(rng() % 3), "moe");
        }
        const bool carried = round % 5 == 0 && !project.variants.empty();
        // A few rounds through a file, the rest through the text alone (each save is synced).
        std::string text = carried ? projectText(project) : projectText(p);
        if (round % 30 == 0) {
            writeProject(dir.file("p.kinovar"), project);
            text = readBytes(dir.file("p.kinovar"));
        }
        const ProjectContent back =
            round % 30 == 0 ? readProject(dir.file("p.kinovar")) : parseProject(text);
        expectSameProject(p, back.params);
        EXPECT_TRUE(back.unknownKeys.empty());
        if (carried || round % 30 == 0) {
            ASSERT_EQ(back.variants.size(), project.variants.size());
            for (size_t k = 0; k < back.variants.size(); ++k) {
                const Variant &a = project.variants[k], &b = back.variants[k];
                EXPECT_EQ(a.name, b.name);
                expectSameProject(a.params, b.params);
                EXPECT_TRUE(sameBits(a.params.delta, b.params.delta));
                for (size_t f = 0; f < a.figures.size(); ++f) {
                    ASSERT_EQ(a.figures[f].has_value(), b.figures[f].has_value());
                    if (a.figures[f]) {
                        EXPECT_TRUE(sameBits(*a.figures[f], *b.figures[f]));
                    }
                }
            }
            EXPECT_EQ(back.reportCharts, project.reportCharts);
        } else {
            EXPECT_TRUE(back.variants.empty());
            EXPECT_FALSE(back.reportCharts);
        }
        // Written again, the text is the same: a project diffs cleanly against its own copy.
        ASSERT_EQ(projectText(back), text) << round;
    }
}

TEST(ProjectFile, LayoutFollowsTheTableOneKeyPerLine)
{
    ParamSet p;
    setDefaults(p);
    const std::string text = projectText(p);
    size_t at = text.find("\"parameters\": {");
    ASSERT_NE(at, std::string::npos);
    for (const ParamInfo& info : kParams) {
        if (!(info.files & kInProject)) continue;
        const size_t next = text.find("\n    \"" + std::string(info.key) + "\": ", at);
        ASSERT_NE(next, std::string::npos) << info.key;
        EXPECT_GT(next, at) << info.key;
        at = next;
    }
    EXPECT_NE(text.find("\"l1\": \"10\",\n"), std::string::npos);
    EXPECT_NE(text.find("\"step\": \"15\",\n"), std::string::npos);
    EXPECT_NE(text.find("\"mode\": 360,\n"), std::string::npos);
    EXPECT_NE(text.find("\"period\": 360\n"), std::string::npos);
}

TEST(ProjectFile, HostileInputsAreRefusedWithTheKeyAndReason)
{
    const std::string head = R"({"format": "kinovar-project", "version": "1.0", )";
    const struct {
        std::string text;
        const char* message; // a part of the message
    } cases[] = {
        {"", "not a project file"},
        {"[1, 2]", "not a project file"},
        {R"({"format": "other", "version": "1.0"})", "not a project file"},
        {R"({"format": "kinovar-project"})", "'version'"},
        {R"({"format": "kinovar-project", "version": "2.0"})", "format version 2.0, newer"},
        {R"({"format": "kinovar-project", "version": 1})", "'version'"},
        {head + R"("parameters": {"l2": "1e400"}})", "'l2': the value 1e400 is out of range"},
        {head + R"("parameters": {"m1": "-1e309"}})", "'m1': M1: масса не может быть"},
        {head + R"("parameters": {"i2": "-5"}})", "'i2': I2: момент инерции не может быть"},
        {head + R"("parameters": {"delta": "0"}})", "'delta': delta: коэффициент"},
        {head + R"("run": {"period": 540}})", "'period': expected 360 or 720"},
        {head + R"("load": {"kind": "angle", "points": [["10", "1"], ["5", "1"]]}})",
         "'load.points[1]'"},
        {head + R"("parameters": {"l1": "nan"}})", "'l1': 'nan' is not a number"},
        {head + R"("parameters": {"l1": "inf"}})", "'l1': 'inf' is not a number"},
        {head + R"("parameters": {"l1": "1,5"}})", "'l1': '1,5' is not a number"},
        {head + R"("parameters": {"l1": 0.5}})", "'l1': a fraction must be written in quotes"},
        {head + R"("parameters": {"l1": null}})", "'l1': expected a number, found null"},
        {head + R"("parameters": {"l1": 1e999}})", "not a project file"},
        {head + R"("parameters": [1]})", "'parameters': expected an object"},
        {head + R"("run": {"step": "7"}})", "'step': the step is none the window offers"},
        {head + R"("run": {"mode": 361}})", "'mode': expected 360 or 720"},
        {head + R"("run": {"cycles": -1}})", "'cycles': expected a count from 0"},
        {head + R"("run": {"cycles": 18446744073709551615}})", "'cycles': the value is out"},
        {head + R"("run": {"steps": 90001}})", "'steps': expected 24 * cycles + 1"},
        {head + R"("run": {"steps": 26}})", "'steps': expected 24 * cycles + 1"},
        {head + R"("run": {"cycles": "x"}})", "'cycles': expected a whole number"},
        {head + R"("parameters": {"l1": "\ud800"}})", "not a project file"},
        {head + "\"parameters\": {\"l1\": \"\xff\"}}", "not a project file"},
        {std::string(40, '[') + std::string(40, ']'), "nests deeper than 32"},
        {head + R"("parameters": {"l1": "1"})", "not a project file"},
        {head + R"("variants": {}})", "'variants': expected an array"},
        {head + R"("variants": [{"name": 5}]})", "'variants[0].name'"},
        {head + R"("variants": [{"parameters": {"m2": "-1"}}]})", "'m2': M2: масса"},
        {head + R"("variants": [{}, {"figures": {"md": "x"}}]})",
         "'variants[1].figures.md': 'x' is not a number"},
        {head + R"("report": {"charts": "moe"}})", "'report.charts'"},
        {head + R"("variants": [)" +
             [] {
                 std::string many;
                 for (size_t k = 0; k <= kMaxVariants; ++k)
                     many += k ? ",{}" : "{}";
                 return many;
             }() +
             "]}",
         "more than 1000 variants"},
    };
    for (const auto& c : cases) {
        try {
            parseProject(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ProjectError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.text << "\n -> " << e.what();
        }
    }
}

TEST(ProjectFile, ReaderRefusesWhatIsNoProjectFileAndListsUnknownKeysOnce)
{
    ScratchDir dir;
    EXPECT_THROW(readProject(dir.dir()), InOutError);
    EXPECT_THROW(readProject(dir.file("missing.kinovar")), InOutError);
    writeBytes(dir.file("long.kinovar"), std::string(kMaxLineBytes + 1, ' '));
    EXPECT_THROW(readProject(dir.file("long.kinovar")), ProjectError);
    std::string big;
    while (big.size() <= kMaxProjectBytes)
        big += std::string(1000, ' ') + "\n";
    writeBytes(dir.file("big.kinovar"), big);
    EXPECT_THROW(readProject(dir.file("big.kinovar")), ProjectError);

    // A newer minor version with keys of its own loads; what is known is read, the rest listed.
    writeBytes(dir.file("new.kinovar"),
               "\xEF\xBB\xBF{\"format\": \"kinovar-project\", \"version\": \"1.7\", \"colour\": 1,"
               "\r\n\"parameters\": {\"l1\": 12, \"zz\": \"1\", \"phi0\": \"3\"},"
               "\"run\": {\"cycles\": 2, \"extra\": true}}");
    const ProjectContent read = readProject(dir.file("new.kinovar"));
    EXPECT_EQ(read.params.l1, 12.0);
    EXPECT_EQ(read.params.N, 49);
    EXPECT_EQ(read.params.l2, 25.0); // a key the file lacks keeps its default
    EXPECT_EQ(read.unknownKeys, (std::vector<std::string>{"colour", "parameters.zz",
                                                          "parameters.phi0", "run.extra"}));
    EXPECT_EQ(unknownKeysMemo(read.unknownKeys),
              "Неизвестные ключи проекта пропущены: colour, parameters.zz, parameters.phi0, "
              "run.extra");
}

TEST(ProjectFile, FailedSaveLeavesTheOldFile)
{
    ScratchDir dir;
    const std::string path = dir.file("p.kinovar");
    writeBytes(path, "old");
    ParamSet p;
    setDefaults(p);
    p.step = 0.3L; // no step of the window: refused before the file is touched
    EXPECT_THROW(writeProject(path, p), ProjectError);
    EXPECT_EQ(readBytes(path), "old");
}
