// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --summary: the JSON's figures against a scan of the same run's CSV, and the
// flywheel's refusal in words.
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

TEST(BatchSummary, FiguresAreThoseOfAScanOfTheRun)
{
    ScratchDir dir;
    const std::string csv = dir.file("run.csv");
    const BatchRun run = batch({"--autofill", "--set", "step=5", "--set", "cycles=3", "--set",
                                "delta=0.1", "--csv", csv, "--summary", "-"});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    const std::string table = readBytes(csv);
    const struct {
        const char* key;    // in "peaks"
        const char* column; // the quantity whose |value| peaks
    } peaks[] = {
        {"fa", "fak"}, {"fb", "fbk"}, {"fo", "fok"}, {"nb", "nb"}, {"slider_speed", "ybt"}};
    for (const auto& p : peaks) {
        const std::vector<long double> values = column(table, p.column);
        ASSERT_EQ(values.size(), 73u) << p.column;
        size_t best = 0;
        for (size_t i = 1; i < values.size(); ++i)
            if (std::fabs(values[i]) > std::fabs(values[best])) best = i;
        EXPECT_EQ(doc["peaks"][p.key]["value"].get<double>(),
                  static_cast<double>(std::fabs(values[best])))
            << p.key;
        EXPECT_NEAR(doc["peaks"][p.key]["angle"].get<double>(), 0.1 + 5.0 * best, 1e-9) << p.key;
    }
    EXPECT_EQ(doc["flywheel"]["delta"].get<double>(), 0.1);
    EXPECT_EQ(doc["flywheel"]["last_step"].get<int>(), 73);
    EXPECT_LT(doc["moment_check"].get<double>(), 1e-13);

    const BatchRun shortRun =
        batch({"--autofill", "--set", "step=5", "--set", "cycles=2", "--summary", "-"});
    const auto shortDoc = nlohmann::json::parse(shortRun.out);
    EXPECT_TRUE(shortDoc["flywheel"].is_null());
    EXPECT_EQ(shortDoc["flywheel_error"].get<std::string>(),
              "для маховика нужен полный период: увеличьте число циклов до 3");
}
