// SPDX-License-Identifier: GPL-3.0-or-later
// A run that stops part-way, through the batch and the document: every output holds only the
// steps computed before the fault, says where the run stopped, and stays readable by the
// program's own readers; the batch exits 3. A whole run's outputs say nothing of a stop.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Calculation.h"
#include "calc/Quantities.h"
#include "formats/Report.h"
#include "params/ParamSet.h"
#include "params/ParamTable.h"
#include "present/DocumentPlan.h"
#include "present/KineticReader.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

// The lines of a file, without their CR LF or LF ends.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct StopCase {
    const char* name;
    std::vector<std::string> set; // --set options
    int status;
    int steps;         // the steps every output holds
    int asked;         // N of the run
    int faultStep;     // 0: a whole run
    double faultAngle; // degrees
    const char* angle; // of the last step written, as the report writes it
    const char* note;  // on standard error; "" for none
};

const StopCase kCases[] = {
    // The default lengths put the rod on the guide at 180°: fi0 = 0 reaches it at step 13.
    {"rod on the guide at step 13",
     {"--set", "fi0=0"},
     kBatchStageFailed,
     12,
     25,
     13,
     180,
     "165.00",
     "kinovar-batch: Расчёт остановлен при φ = 180.00° (шаг 13 из 25), результаты только для "
     "шагов 1–12: Критическая ошибка на этапе кинематического анализа.\n"},
    // l2 = 12 cannot reach the guide once cos φ < 0.3 (φ > 72.54°): step 6, at 75.1°.
    {"rod cannot reach past 72.5°",
     {"--set", "l2=12", "--autofill"},
     kBatchStageFailed,
     5,
     25,
     6,
     75.1,
     "60.10",
     "kinovar-batch: Расчёт остановлен при φ = 75.10° (шаг 6 из 25), результаты только для "
     "шагов 1–5: Критическая ошибка на этапе кинематического анализа.\n"},
    {"whole run", {"--autofill"}, kBatchDone, 25, 25, 0, 0, "360.10", ""},
};

} // namespace

TEST(BatchStoppedRun, OutputsHoldOnlyTheComputedSteps)
{
    for (const StopCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::string csv = dir.file("run.csv"), report = dir.file("run.txt"),
                          listing = dir.file("run.lst"), kinetic = dir.file("Kinetic.ini");
        std::vector<std::string> args = c.set;
        for (const char* a :
             {"--decimal-separator", ".", "--csv", csv.c_str(), "--report", report.c_str(),
              "--listing", listing.c_str(), "--kinetic", kinetic.c_str(), "--summary", "-"})
            args.push_back(a);
        const BatchRun run = batch(args);
        ASSERT_EQ(run.status, c.status) << run.err;
        if (*c.note)
            EXPECT_TRUE(run.err.ends_with(c.note)) << run.err;
        else
            EXPECT_EQ(run.err, "");

        // The CSV: a header, then one row per computed step, the last numbered so.
        const std::vector<std::string> table = linesOf(readBytes(csv));
        ASSERT_EQ(table.size(), size_t(1 + c.steps));
        EXPECT_TRUE(table.back().starts_with(std::to_string(c.steps) + ",")) << table.back();

        // The report: fourteen parameters and 79 cells per computed step; "Открыть" reads it.
        const std::vector<std::string> rep = linesOf(readBytes(report));
        ASSERT_EQ(rep.size(), size_t(kReportHeaderLines + kReportRows * c.steps));
        EXPECT_EQ(rep[size_t(kReportHeaderLines + kReportRows * (c.steps - 1))], c.angle);
        ParamSet back;
        setDefaults(back);
        back.l1 = 0;
        EXPECT_NO_THROW(readReportHeader(report, back));
        EXPECT_EQ(back.l1, 10);

        // The listing: its title and a blank line, then a line and a blank line per step.
        const std::vector<std::string> lst = linesOf(readBytes(listing));
        ASSERT_EQ(lst.size(), size_t(2 + 2 * c.steps));
        EXPECT_NE(lst[size_t(2 + 2 * (c.steps - 1))], ""); // the last step's line

        // The animation file: the animator reads as many steps as were computed.
        const KineticData anim = readKinetic(kinetic);
        EXPECT_EQ(anim.N, c.steps);
        EXPECT_EQ(anim.frames.size(), size_t(c.steps));
        EXPECT_NEAR(anim.totalAngle, 15.0 * (c.steps - 1), 1e-9);

        // The summary: of the computed steps, and where the run stopped.
        const auto doc = nlohmann::json::parse(run.out);
        EXPECT_EQ(doc["steps"].get<int>(), c.steps);
        for (const auto& [name, x] : doc["extremes"].items()) {
            EXPECT_LE(x["min_step"].get<int>(), c.steps) << name;
            EXPECT_LE(x["max_step"].get<int>(), c.steps) << name;
        }
        if (c.faultStep == 0) {
            EXPECT_FALSE(doc.contains("stopped"));
            continue;
        }
        ASSERT_TRUE(doc.contains("stopped"));
        const auto& stop = doc["stopped"];
        EXPECT_EQ(stop["stage"], "kinematic");
        EXPECT_EQ(stop["step"].get<int>(), c.faultStep);
        EXPECT_NEAR(stop["angle"].get<double>(), c.faultAngle, 1e-9);
        EXPECT_EQ(stop["computed_steps"].get<int>(), c.steps);
        EXPECT_EQ(stop["requested_steps"].get<int>(), c.asked);
        EXPECT_EQ(stop["message"], kKinematicFault);
    }
}

TEST(BatchStoppedRun, DocumentSaysWhereTheRunStopped)
{
    ParamSet stopped;
    setDefaults(stopped);
    stopped.fi0 = 0;
    ParamSet whole;
    setDefaults(whole);
    const struct {
        const char* name;
        const ParamSet& p;
        const char* note; // "" for a whole run
        int steps;
    } cases[] = {
        {"stopped at step 13", stopped,
         "Расчёт остановлен при φ = 180,00° (шаг 13 из 25), результаты только для шагов 1–12: "
         "Критическая ошибка на этапе кинематического анализа.",
         12},
        {"whole run", whole, "", 25},
    };
    auto R = std::make_unique<ResultStore>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runCalculation(c.p, *R);
        DocumentInput in;
        in.run = R->computedWith();
        in.store = R.get();
        in.decimal = ',';
        const DocumentPlan plan = planDocument(in);
        // The title keeps the steps asked for; the note follows it, and opens the summary.
        EXPECT_TRUE(plan.titleLines[3].ends_with("(шагов: 25)")) << plan.titleLines[3];
        const bool noted = !plan.titleLines.empty() && plan.titleLines.back() == c.note;
        EXPECT_EQ(noted, *c.note != 0) << plan.titleLines.back();
        ASSERT_FALSE(plan.summary.empty());
        EXPECT_EQ(plan.summary.front().label == c.note, *c.note != 0);
        // No extreme of the summary lies past the computed steps.
        for (const SummaryLine& line : plan.summary)
            EXPECT_LE(line.step.empty() ? 0 : std::stoi(line.step), c.steps) << line.label;
    }
}
