// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --summary: the JSON's figures against a scan of a 1° run's CSV, and the
// period run it names.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

// The values of one named column of the batch CSV, steps 1..N, as extended reals.
std::vector<long double> column(const std::string& csv, const std::string& name)
{
    std::istringstream in(csv);
    std::string line, cell;
    std::getline(in, line);
    std::istringstream header(line);
    int at = -1;
    for (int k = 0; std::getline(header, cell, ','); ++k)
        if (cell == name) at = k;
    std::vector<long double> out;
    while (std::getline(in, line)) {
        std::istringstream row(line);
        for (int k = 0; std::getline(row, cell, ','); ++k)
            if (k == at) out.push_back(std::strtold(cell.c_str(), nullptr));
    }
    return out;
}

} // namespace

// The peaks and the flywheel of a 5° run are read from one turn at 1°: they are those of a scan
// of a 1° run's CSV over its first turn (constant ω, so that both runs follow the same law).
TEST(BatchSummary, FiguresAreThoseOfAScanOfTheRun)
{
    ScratchDir dir;
    const std::string csv = dir.file("run.csv");
    const std::vector<std::string> constantOmega = {"--autofill", "--set", "fitt0=0", "--set",
                                                    "fidtt=0"};
    std::vector<std::string> fineArgs = constantOmega;
    fineArgs.insert(fineArgs.end(), {"--set", "step=1", "--set", "cycles=15", "--csv", csv});
    const BatchRun fine = batch(fineArgs);
    ASSERT_EQ(fine.status, kBatchDone) << fine.err;
    std::vector<std::string> args = constantOmega;
    args.insert(args.end(),
                {"--set", "step=5", "--set", "cycles=3", "--set", "delta=0.1", "--summary", "-"});
    const BatchRun run = batch(args);
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    const std::string table = readBytes(csv);
    const struct {
        const char* key;    // in "peaks"
        const char* column; // the quantity whose |value| peaks
    } peaks[] = {{"fa", "fak"}, {"fb", "fbk"},           {"fo", "fok"},
                 {"nb", "nb"},  {"slider_speed", "ybt"}, {"mo", "mo"}};
    for (const auto& p : peaks) {
        const std::vector<long double> values = column(table, p.column);
        ASSERT_EQ(values.size(), 361u) << p.column;
        size_t best = 0;
        for (size_t i = 1; i < values.size(); ++i)
            if (std::fabs(values[i]) > std::fabs(values[best])) best = i;
        EXPECT_EQ(doc["peaks"][p.key]["value"].get<double>(),
                  static_cast<double>(std::fabs(values[best])))
            << p.key;
        EXPECT_NEAR(doc["peaks"][p.key]["angle"].get<double>(), 0.1 + 1.0 * best, 1e-9) << p.key;
    }
    EXPECT_EQ(doc["flywheel"]["delta"].get<double>(), 0.1);
    EXPECT_EQ(doc["flywheel"]["last_step"].get<int>(), 361);
    EXPECT_EQ(doc["figures_from"]["step"].get<double>(), 1);
    EXPECT_EQ(doc["step"].get<double>(), 5);
    EXPECT_LT(doc["moment_check"].get<double>(), 1e-13);
    // The extremes stay those of the 5° run itself: 73 steps.
    EXPECT_EQ(doc["steps"].get<int>(), 73);

    // Two cycles at 5° fall short of a turn, which the period run covers.
    const BatchRun shortRun =
        batch({"--autofill", "--set", "step=5", "--set", "cycles=2", "--summary", "-"});
    const auto shortDoc = nlohmann::json::parse(shortRun.out);
    EXPECT_FALSE(shortDoc["flywheel"].is_null());
    EXPECT_FALSE(shortDoc.contains("flywheel_error"));
    EXPECT_EQ(shortDoc["figures_from"]["steps"].get<int>(), 361);
}
