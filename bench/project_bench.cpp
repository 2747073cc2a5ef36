// SPDX-License-Identifier: GPL-3.0-or-later
// The project file at its limits: reading the costliest files under kMaxProjectBytes (an object
// filled with unknown keys in every object the cap allows, and three load tables of 100 000
// rows), and writing the largest project the load editor allows. Target: any project under the
// size limit reads in under 2 s.
#include <benchmark/benchmark.h>

#include <string>

#include "base/NumberText.h"
#include "formats/ProjectFile.h"

namespace {

const std::string kHead = R"({"format": "kinovar-project", "version": "1.0")";

// Objects of kMaxProjectKeys short keys each, as many as fit under the size limit, a hundred to
// an unknown section.
const std::string& keysProject()
{
    static const std::string text = [] {
        std::string t = kHead;
        std::string keys;
        for (size_t k = 0; k < kMaxProjectKeys; ++k)
            keys += (k ? ",\"" : "\"") + std::to_string(k) + "\":0";
        for (size_t object = 0;; ++object) {
            std::string o = object % 100 ? ",\n"
                                         : std::string(object ? "}" : "") + ",\n\"s" +
                                               std::to_string(object) + "\": {";
            o += "\"o" + std::to_string(object) + "\": {" + keys + "}";
            if (t.size() + o.size() + 3 > kMaxProjectBytes) break;
            t += o;
        }
        return t + "}}\n";
    }();
    return text;
}

// The issue's project: a table of 100 000 rows by stroke, in the project and in two variants.
Project tablesProject(bool fullDigits)
{
    ParamSet p;
    setDefaults(p);
    p.load.kind = LoadKind::ByStroke;
    for (size_t k = 0; k < kMaxLoadPoints; ++k) {
        const long double x = static_cast<long double>(k) / kMaxLoadPoints;
        const long double q =
            fullDigits ? 1000.0L / 3 + k : ParseReal(std::to_string(k % 977) + ".25", '.');
        p.load.points.push_back(
            {fullDigits ? x : ParseReal(std::to_string(k) + "e-5", '.'), q, -q});
    }
    return Project{p, {Variant{"a", p, {}}, Variant{"b", p, {}}}, std::nullopt, {}};
}

void ReadUnknownKeys(benchmark::State& state)
{
    const std::string& text = keysProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseProject(text).unknownKeyCount);
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(ReadUnknownKeys)->Unit(benchmark::kMillisecond);

void ReadTables(benchmark::State& state)
{
    const std::string text = projectText(tablesProject(false));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseProject(text).variants.size());
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(ReadTables)->Unit(benchmark::kMillisecond);

void WriteTables(benchmark::State& state)
{
    const Project project = tablesProject(state.range(0) != 0);
    size_t bytes = 0;
    for (auto _ : state) {
        try {
            bytes = projectText(project).size();
        } catch (const ProjectError&) {
            bytes = 0; // full digits in three tables pass the limit: refused, after the work
        }
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(WriteTables)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
