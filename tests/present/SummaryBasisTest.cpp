// SPDX-License-Identifier: GPL-3.0-or-later
// The summary names the step its peaks and flywheel were read at, in its lines and its JSON, and
// says when the period run faulted and the run's own steps were read instead.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "formats/SummaryJson.h"
#include "params/Autofill.h"
#include "present/SummaryText.h"

namespace {

// The default mechanism at constant ω from fi0, at a step of `stepDegrees`.
ParamSet constantOmega(long double stepDegrees, int32_t cycles, double fi0 = 0.1)
{
    ParamSet p;
    setDefaults(p);
    p.fitt0 = 0;
    p.fidtt = 0;
    p.fi0 = fi0;
    EXPECT_TRUE(autofillPoints(p));
    p.step = rad(stepDegrees);
    p.cycles = cycles;
    p.N = 24 * cycles + 1;
    return p;
}

RunSummary summaryOf(const ParamSet& p)
{
    const auto store = std::make_unique<ResultStore>();
    runCalculation(p, *store);
    return summarizeRun(*store, p, p.N, summaryOptions(p, 0.05L));
}

// The line under a heading: the first line after it.
std::string lineAfter(const std::vector<SummaryLine>& lines, const std::string& heading)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].heading && lines[i].label == heading) return lines[i + 1].label;
    return "(no heading " + heading + ")";
}

} // namespace

TEST(SummaryBasis, SummaryNamesTheStepOfItsFigures)
{
    const struct {
        ParamSet p;
        const char* figures;  // the line under "Пиковые значения"
        const char* extremes; // the line under "Экстремумы"
        const char* source;
        double step;
        bool reused;
    } cases[] = {
        {constantOmega(15, 1), "Пиковые значения и маховик — по 360° от начального угла с шагом 1°",
         "По шагам расчёта (шаг 15°)", "period", 1, false},
        {constantOmega(0.5L, 30),
         "Пиковые значения и маховик — по 360° от начального угла с шагом 0,5°",
         "По шагам расчёта (шаг 0,5°)", "period", 0.5, true},
        {constantOmega(0.7L, 30),
         "Пиковые значения и маховик — по 360° от начального угла с шагом 0,699029° (шаг "
         "расчёта 0,7° не укладывается в период целое число раз)",
         "По шагам расчёта (шаг 0,7°)", "period", 360.0 / 515, false},
        // From fi0 = 5 the 1° run lands on the dead position at 180°; the 15° run passes it.
        {constantOmega(15, 1, 5),
         "Пиковые значения и маховик — по шагам расчёта (шаг 15°): расчёт периода с шагом 1° "
         "прерван при φ = 180°",
         "По шагам расчёта (шаг 15°)", "run_steps", 15, true},
    };
    for (const auto& c : cases) {
        const RunSummary s = summaryOf(c.p);
        const std::vector<SummaryLine> lines = summaryLines(s, ',');
        EXPECT_EQ(lineAfter(lines, "Пиковые значения"), c.figures);
        EXPECT_EQ(lineAfter(lines, "Экстремумы"), c.extremes);
        const auto doc = nlohmann::json::parse(summaryJson(s));
        const auto& from = doc["figures_from"];
        EXPECT_EQ(from["source"].get<std::string>(), c.source) << c.figures;
        EXPECT_NEAR(from["step"].get<double>(), c.step, 1e-12) << c.figures;
        EXPECT_EQ(from["reused"].get<bool>(), c.reused) << c.figures;
        EXPECT_NEAR(doc["step"].get<double>(), static_cast<double>(deg(c.p.step)), 1e-12);
        EXPECT_EQ(from.contains("period_run_fault"), std::string(c.source) == "run_steps");
    }
}

// A peak of a made period run has no step of the run on screen to show: its step cell is empty,
// its angle is given; a peak read from the run itself keeps its step.
TEST(SummaryBasis, PeaksOfAPeriodRunShowNoStep)
{
    const struct {
        ParamSet p;
        bool stepShown;
    } cases[] = {{constantOmega(15, 1), false}, {constantOmega(1, 15), true}};
    for (const auto& c : cases) {
        const std::vector<SummaryLine> lines = summaryLines(summaryOf(c.p), '.');
        bool found = false;
        for (const SummaryLine& line : lines)
            if (line.label == "Наибольшая сила в шарнире A |F_A|, Н") {
                found = true;
                EXPECT_EQ(!line.step.empty(), c.stepShown);
                EXPECT_FALSE(line.angle.empty());
            }
        EXPECT_TRUE(found);
    }
}
